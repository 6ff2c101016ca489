<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>CChannelInfoDlg</name>
    <message>
        <source>Satellite is not selected.</source>
        <translation>Uydu seçilmedi.</translation>
    </message>
    <message>
        <source>Transponder is not selected.</source>
        <translation>Transponder seçilmedi.</translation>
    </message>
    <message>
        <source>MUX is not selected.</source>
        <translation>MUX seçilmedi.</translation>
    </message>
    <message>
        <source>Service ID is not existed.</source>
        <translation>Servis ID girilmedi.</translation>
    </message>
    <message>
        <source>Network is not in the list.</source>
        <translation>Ağ listede yok.</translation>
    </message>
    <message>
        <source>New service is appended.
</source>
        <translation>Yeni kanal eklendi.
</translation>
    </message>
    <message>
        <source>Same service is existed.
</source>
        <translation>Bu kanal zaten var.
</translation>
    </message>
    <message>
        <source>[Error] Service is not appended.
</source>
        <translation>[Hata] Kanal eklenemedi.
</translation>
    </message>
</context>
<context>
    <name>CConvTpListDlg</name>
    <message>
        <source>[Error] Can&apos;t write the file
&quot;%1&quot;
%2</source>
        <translation>[Hata] Dosya yazılamıyor
&quot;%1&quot;
%2</translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>Untitled</source>
        <translation>Adsız</translation>
    </message>
</context>
<context>
    <name>CEditorDlg</name>
    <message>
        <source>  Satellite / Transponder List  </source>
        <translation> Uydular / transponderler </translation>
    </message>
    <message>
        <source>  Satellite TV List  </source>
        <translation> Uydu TV </translation>
    </message>
    <message>
        <source>  Satellite RADIO List  </source>
        <translation> Uydu radyo </translation>
    </message>
    <message>
        <source>  Terrestrial TV List  </source>
        <translation> Karasal TV </translation>
    </message>
    <message>
        <source>  Terrestrial RADIO List  </source>
        <translation> Karasal radyo </translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Listeyi temizle</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Süzgeç</translation>
    </message>
    <message>
        <source>Applies at the next start</source>
        <translation>Bir sonraki açılışta geçerli</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Orvane II %1

Edits the channel database of a satellite and terrestrial set-top box, and moves it to and from the box over a serial cable.

Licence: GNU General Public License, version 3 or later. There is no warranty.</source>
        <translation>Orvane II %1

Uydu ve karasal alıcının kanal veritabanını düzenler ve seri kablo üzerinden alıcıya gönderir ya da alıcıdan alır.

Lisans: GNU General Public License, sürüm 3 veya sonrası. Hiçbir garanti yoktur.</translation>
    </message>
    <message>
        <source>About Orvane</source>
        <translation>Orvane hakkında</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Klavye kısayolları</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <translation>%1 menüsü</translation>
    </message>
    <message>
        <source>Double-click on a column header	Sort the list by that column</source>
        <translation>Sütun başlığına çift tıklama	Listeyi o sütuna göre sıralar</translation>
    </message>
</context>
<context>
    <name>CFileCommands</name>
    <message>
        <source>No such file</source>
        <translation>Böyle bir dosya yok</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Erişim reddedildi</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>Dosya boş</translation>
    </message>
    <message>
        <source>Not a data file of the box</source>
        <translation>Alıcının veri dosyası değil</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t read the data file &quot;%1&quot;
%2</source>
        <translation>[Hata] &quot;%1&quot; veri dosyası okunamıyor
%2</translation>
    </message>
    <message>
        <source>the data file &quot;%1&quot;</source>
        <translation>&quot;%1&quot; veri dosyasının</translation>
    </message>
    <message>
        <source>Write to existing file ?

</source>
        <translation>Var olan dosyaya yazılsın mı?

</translation>
    </message>
    <message>
        <source>File Save</source>
        <translation>Dosyayı kaydet</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the data file
 &quot;%1&quot;

</source>
        <translation>[Hata] Veri dosyası yazılamıyor
 &quot;%1&quot;

</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the data file 
&quot;%1&quot;

</source>
        <translation>[Hata] Veri dosyası yazılamıyor 
&quot;%1&quot;

</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the backup file
 &quot;%1.bak&quot;
The data file is not saved.

</source>
        <translation>[Hata] Yedek dosyası yazılamıyor
 &quot;%1.bak&quot;
Veri dosyası kaydedilmedi.

</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>%1 dosyasındaki değişiklikler kaydedilsin mi?</translation>
    </message>
    <message>
        <source>[Warning] Part of %1 could not be read and was dropped:

%2

Nothing is written until you save.</source>
        <translation>[Uyarı] %1 bir kısmı okunamadı ve atıldı:

%2

Kaydedene kadar hiçbir şey yazılmaz.</translation>
    </message>
</context>
<context>
    <name>CImportTranspondersDlg</name>
    <message>
        <source>no</source>
        <translation>hayır</translation>
    </message>
    <message>
        <source>yes: %1</source>
        <translation>evet: %1</translation>
    </message>
    <message>
        <source>Check the satellites of &quot;%1&quot; to import. DVB-S2 transponders start unchecked: the box&apos;s records hold no modulation, so it may not tune them.</source>
        <translation>&quot;%1&quot; dosyasından içe aktarılacak uyduları işaretleyin. DVB-S2 transponderleri işaretsiz başlar: alıcının kayıtları modülasyon tutmaz, bu yüzden onları ayarlayamayabilir.</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Ada veya konuma göre süz</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponderler</translation>
    </message>
    <message>
        <source>In the database</source>
        <translation>Veritabanında</translation>
    </message>
</context>
<context>
    <name>CMuxBar</name>
    <message>
        <source>Add…</source>
        <translation>Ekle…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Düzen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Terrestrial MUXes</source>
        <translation>Karasal MUX&apos;lar</translation>
    </message>
    <message>
        <source>Add a terrestrial MUX</source>
        <translation>Karasal MUX ekle</translation>
    </message>
    <message>
        <source>Change the chosen MUX</source>
        <translation>Seçili MUX&apos;u değiştir</translation>
    </message>
    <message>
        <source>Delete the chosen MUX; one that services use stays</source>
        <translation>Seçili MUX&apos;u sil; kanalların kullandığı kalır</translation>
    </message>
    <message>
        <source>%1 cannot be deleted: %2 services are on it. Move them to another MUX or delete them first.</source>
        <translation>%1 silinemez: üzerinde %2 kanal var. Önce onları başka bir MUX&apos;a taşıyın ya da silin.</translation>
    </message>
    <message>
        <source>No MUX can be added: the database holds %1 MUXes, or transponders and MUXes together fill the %2 records the box keeps.</source>
        <translation>MUX eklenemez: veritabanı %1 MUX tutuyor ya da transponderler ve MUX&apos;lar birlikte alıcının %2 kaydını dolduruyor.</translation>
    </message>
    <message>
        <source>A MUX needs a frequency.</source>
        <translation>Bir MUX&apos;un frekansı olmalı.</translation>
    </message>
    <message>
        <source>The MUX is no longer there.</source>
        <translation>MUX artık yok.</translation>
    </message>
</context>
<context>
    <name>CMuxDlg</name>
    <message>
        <source>MUX %1</source>
        <translation>MUX %1</translation>
    </message>
    <message>
        <source>New MUX</source>
        <translation>Yeni MUX</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frekans:</translation>
    </message>
    <message>
        <source>Symbol rate:</source>
        <translation>Sembol hızı:</translation>
    </message>
    <message>
        <source>TSID:</source>
        <translation>TSID:</translation>
    </message>
    <message>
        <source>Drift (hex):</source>
        <translation>Kayma (hex):</translation>
    </message>
    <message>
        <source>Attribute (hex):</source>
        <translation>Öznitelik (hex):</translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation>Sinyal:</translation>
    </message>
    <message>
        <source>Lists show:</source>
        <translation>Listelerde:</translation>
    </message>
</context>
<context>
    <name>CNetworkEditorDlg</name>
    <message>
        <source>A name that no service uses is not kept: deleting, moving or sorting services drops it, and so does opening the file again. Give it to a service to keep it.</source>
        <translation>Hiçbir kanalın kullanmadığı bir ad saklanmaz: kanalları silmek, taşımak veya sıralamak onu atar, dosyayı yeniden açmak da. Saklamak için onu bir kanala verin.</translation>
    </message>
    <message>
        <source>A name you add is chosen for this service. Other names that no service uses are dropped when services are deleted, moved or sorted, and when the file is opened again.</source>
        <translation>Eklediğiniz ad bu kanal için seçilir. Hiçbir kanalın kullanmadığı diğer adlar, kanallar silindiğinde, taşındığında veya sıralandığında ve dosya yeniden açıldığında atılır.</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Ağlar</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Kimlik</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Kanallar</translation>
    </message>
    <message>
        <source>Network name</source>
        <translation>Ağ adı</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Yeniden adlandır</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Network &quot;%1&quot; cannot be deleted: %2 services use it. Give them another network first.</source>
        <translation>&quot;%1&quot; ağı silinemez: %2 kanal onu kullanıyor. Önce onlara başka bir ağ verin.</translation>
    </message>
    <message>
        <source>No network can be added: the table holds %1 names, or services use every id.</source>
        <translation>Ağ eklenemez: tablo %1 ad tutuyor ya da kanallar her kimliği kullanıyor.</translation>
    </message>
    <message>
        <source>The network is no longer in the table.</source>
        <translation>Ağ artık tabloda yok.</translation>
    </message>
</context>
<context>
    <name>CSatellitePage</name>
    <message>
        <source>[ERROR] Satellite is not appended. 
 Check the satellite position.

</source>
        <translation>[HATA] Uydu eklenemedi. 
 Uydu konumunu denetleyin.

</translation>
    </message>
</context>
<context>
    <name>CServiceListPage</name>
    <message>
        <source>Filter</source>
        <translation>Süzgeç</translation>
    </message>
    <message>
        <source>Toggle Flag</source>
        <translation>İşareti değiştir</translation>
    </message>
    <message>
        <source>Detail Info</source>
        <translation>Ayrıntılar</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Süzgeci temizle</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Numaraya taşı</translation>
    </message>
    <message>
        <source>Number of the first selected service:</source>
        <translation>Seçili ilk kanalın numarası:</translation>
    </message>
</context>
<context>
    <name>CTransferCommands</name>
    <message>
        <source>[Error] The data received from the STB is not a channel list.
Nothing was changed.</source>
        <translation>[Hata] STB&apos;den alınan veriler bir kanal listesi değil.
Hiçbir şey değişmedi.</translation>
    </message>
    <message>
        <source>the data received from the STB</source>
        <translation>STB&apos;den alınan verilerin</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Other device…</source>
        <translation>Başka aygıt…</translation>
    </message>
    <message>
        <source>Manufacturer: %1</source>
        <translation>Üretici: %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Seri numarası: %1</translation>
    </message>
    <message>
        <source>Vendor:product: %1:%2</source>
        <translation>Üretici:ürün: %1:%2</translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>Yol: %1</translation>
    </message>
    <message>
        <source>%1 is not plugged in</source>
        <translation>%1 takılı değil</translation>
    </message>
    <message>
        <source>Data Transfer STB to PC</source>
        <translation>Veri aktarımı STB&apos;den PC&apos;ye</translation>
    </message>
    <message>
        <source>Data Transfer PC to STB</source>
        <translation>Veri aktarımı PC&apos;den STB&apos;ye</translation>
    </message>
    <message>
        <source>Data Transfer mode : STB ==&gt; PC</source>
        <translation>Aktarım kipi : STB ==&gt; PC</translation>
    </message>
    <message>
        <source>Data Transfer mode : PC ==&gt; STB</source>
        <translation>Aktarım kipi : PC ==&gt; STB</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Alma</translation>
    </message>
    <message>
        <source>Disconnection %1</source>
        <translation>Bağlantı kesildi: %1</translation>
    </message>
    <message>
        <source>Connection %1 Error!!!</source>
        <translation>Bağlantı %1 Hata!!!</translation>
    </message>
    <message>
        <source>Connection Error!!!, Check the serial port.</source>
        <translation>Bağlantı hatası!!!, seri bağlantı noktasını denetleyin.</translation>
    </message>
    <message>
        <source>Connection %1</source>
        <translation>Bağlantı %1</translation>
    </message>
    <message>
        <source>Device path, such as the one stb-sim prints:</source>
        <translation>Aygıt yolu (örneğin stb-sim&apos;in yazdığı):</translation>
    </message>
    <message>
        <source>%1 went away right after it was plugged in: on some distributions brltty takes such adapters; remove brltty, then plug the adapter in again</source>
        <translation>%1 takıldıktan hemen sonra kayboldu: bazı dağıtımlarda brltty bu adaptörleri ele geçirir; brltty&apos;yi kaldırın, sonra adaptörü yeniden takın</translation>
    </message>
    <message>
        <source>%1 was unplugged</source>
        <translation>%1 çıkarıldı</translation>
    </message>
</context>
<context>
    <name>ChannelInfoDialog</name>
    <message>
        <source>Channel Informaton</source>
        <translation>Kanal bilgileri</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Ağ</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Servis ID</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Kanal adı</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Ses PID</translation>
    </message>
    <message>
        <source>Dolby Audio</source>
        <translation>Dolby Audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Networks…</source>
        <translation>Ağlar…</translation>
    </message>
</context>
<context>
    <name>Charset</name>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>Batı (Windows-1252)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>Orta Avrupa (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Kiril (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Yunanca (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Türkçe (Windows-1254)</translation>
    </message>
    <message>
        <source>Hebrew (Windows-1255)</source>
        <translation>İbranice (Windows-1255)</translation>
    </message>
    <message>
        <source>Arabic (Windows-1256)</source>
        <translation>Arapça (Windows-1256)</translation>
    </message>
    <message>
        <source>Baltic (Windows-1257)</source>
        <translation>Baltık (Windows-1257)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows-1258)</source>
        <translation>Vietnamca (Windows-1258)</translation>
    </message>
    <message>
        <source>Western (ISO 8859-1)</source>
        <translation>Batı (ISO 8859-1)</translation>
    </message>
</context>
<context>
    <name>ConvTpListDialog</name>
    <message>
        <source>Conversion TP List</source>
        <translation>TP listesi dönüştürme</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>EditText</name>
    <message>
        <source>Append satellite</source>
        <translation>Uydu ekleme</translation>
    </message>
    <message>
        <source>Append transponder</source>
        <translation>Transponder ekleme</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Uydu güncelleme</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Transponder güncelleme</translation>
    </message>
    <message>
        <source>Delete satellite</source>
        <translation>Uydu silme</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>Transponder silme</translation>
    </message>
    <message>
        <source>Append service</source>
        <translation>Kanal ekleme</translation>
    </message>
    <message>
        <source>Change service</source>
        <translation>Kanal değiştirme</translation>
    </message>
    <message>
        <source>Paste 1 service</source>
        <translation>1 kanal yapıştırma</translation>
    </message>
    <message numerus="yes">
        <source>Paste %1 services</source>
        <translation>
            <numerusform>%1 kanal yapıştırma</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete 1 service</source>
        <translation>1 kanal silme</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 services</source>
        <translation>
            <numerusform>%1 kanal silme</numerusform>
        </translation>
    </message>
    <message>
        <source>Move 1 service</source>
        <translation>1 kanal taşıma</translation>
    </message>
    <message numerus="yes">
        <source>Move %1 services</source>
        <translation>
            <numerusform>%1 kanal taşıma</numerusform>
        </translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>%1 açma</translation>
    </message>
    <message>
        <source>Disable %1</source>
        <translation>%1 kapatma</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>%1 işaretleme</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 kaldırma</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Sıralama: %1</translation>
    </message>
    <message>
        <source>Receive from STB</source>
        <translation>STB&apos;den alma</translation>
    </message>
    <message>
        <source>Order Like %1</source>
        <translation>%1 gibi sıralama</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV içe aktarma</translation>
    </message>
    <message>
        <source>Delete 1 duplicate</source>
        <translation>1 kopya silme</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 duplicates</source>
        <translation>
            <numerusform>%1 kopya silme</numerusform>
        </translation>
    </message>
    <message>
        <source>Import 1 transponder</source>
        <translation>1 transponder içe aktarma</translation>
    </message>
    <message numerus="yes">
        <source>Import %1 transponders</source>
        <translation>
            <numerusform>%1 transponder içe aktarma</numerusform>
        </translation>
    </message>
    <message>
        <source>Add network %1</source>
        <translation>%1 ağını ekleme</translation>
    </message>
    <message>
        <source>Rename network to %1</source>
        <translation>Ağı %1 olarak adlandırma</translation>
    </message>
    <message>
        <source>Delete network %1</source>
        <translation>%1 ağını silme</translation>
    </message>
    <message>
        <source>Change networks</source>
        <translation>Ağları değiştirme</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 ekleme</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 değiştirme</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 silme</translation>
    </message>
</context>
<context>
    <name>GridColumns</name>
    <message>
        <source>   Satellite Name  </source>
        <translation>   Uydu  </translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>SymbolRate</source>
        <translation>Sembol hızı</translation>
    </message>
    <message>
        <source>  Network Name  </source>
        <translation>  Ağ  </translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Kilit</translation>
    </message>
    <message>
        <source>    TV Channel Name  </source>
        <translation>    TV kanalı  </translation>
    </message>
    <message>
        <source>   Radio Channel Name  </source>
        <translation>   Radyo kanalı  </translation>
    </message>
    <message>
        <source>  Channel Name  </source>
        <translation>  Kanal  </translation>
    </message>
</context>
<context>
    <name>GridMenu</name>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Kes</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Yapıştır</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Sil</translation>
    </message>
    <message>
        <source>&amp;Move to Number ...</source>
        <translation>&amp;Numaraya taşı ...</translation>
    </message>
    <message>
        <source>&amp;Enable</source>
        <translation>&amp;Aç</translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation>&amp;Kapat</translation>
    </message>
</context>
<context>
    <name>ListTools</name>
    <message>
        <source>Data Files (*.zdf)|*.zdf|All Files (*.*)|*.*||</source>
        <translation>Veri dosyaları (*.zdf)|*.zdf|Tüm dosyalar (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>CSV dosyaları (*.csv)|*.csv|Tüm dosyalar (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Data Files (*.zdf)|*.zdf|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>Veri dosyaları (*.zdf)|*.zdf|CSV dosyaları (*.csv)|*.csv|Tüm dosyalar (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Order Like</source>
        <translation>Benzer sırala</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV içe aktarma</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV dışa aktar</translation>
    </message>
    <message>
        <source>Find Duplicates</source>
        <translation>Kopyaları bul</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Karşılaştır</translation>
    </message>
    <message>
        <source>Matched with &quot;%1&quot;:</source>
        <translation>&quot;%1&quot; ile eşleştirildi:</translation>
    </message>
    <message>
        <source>Unmatched services keep their places</source>
        <translation>Eşleşmeyen kanallar yerlerini korur</translation>
    </message>
    <message>
        <source>Take Lock and favourites from the reference</source>
        <translation>Kilit ve favorileri referanstan al</translation>
    </message>
    <message>
        <source>The checked services are deleted.</source>
        <translation>İşaretli kanallar silinir.</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>No. %1</translation>
    </message>
    <message>
        <source>, %1 MHz</source>
        <translation>, %1 MHz</translation>
    </message>
    <message>
        <source>, service id %1</source>
        <translation>, servis kimliği %1</translation>
    </message>
    <message>
        <source>From &quot;%1&quot; to this database:</source>
        <translation>&quot;%1&quot; dosyasından bu veritabanına:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Fark yok.</translation>
    </message>
    <message>
        <source>The current list</source>
        <translation>Geçerli liste</translation>
    </message>
    <message>
        <source>All four lists</source>
        <translation>Dört listenin tümü</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>No duplicates found.</source>
        <translation>Kopya bulunamadı.</translation>
    </message>
    <message>
        <source>[Error] %1</source>
        <translation>[Hata] %1</translation>
    </message>
    <message>
        <source>Satellite Lists (*.xml)|*.xml|All Files (*.*)|*.*||</source>
        <translation>Uydu listeleri (*.xml)|*.xml|Tüm dosyalar (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>Transponder içe aktarma</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lists no satellites.</source>
        <translation>&quot;%1&quot; hiç uydu içermiyor.</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Satellite Information</source>
        <translation>Uydu bilgileri</translation>
    </message>
    <message>
        <source>Transponder Information</source>
        <translation>Transponder bilgileri</translation>
    </message>
    <message>
        <source>Satellite Name :</source>
        <translation>Uydu adı :</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Frekans :</translation>
    </message>
    <message>
        <source>Satellite Position :</source>
        <translation>Konum :</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Sembol hızı :</translation>
    </message>
    <message>
        <source>C/KU Switch :</source>
        <translation>C/KU anahtarı :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>Polarization :</source>
        <translation>Polarizasyon :</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Yatay</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Dikey</translation>
    </message>
    <message>
        <source>LNB Frequency :</source>
        <translation>LNB frekansı :</translation>
    </message>
    <message>
        <source>FEC Inner :</source>
        <translation>İç FEC :</translation>
    </message>
    <message>
        <source>C-LNB Frequency :</source>
        <translation>C-LNB frekansı :</translation>
    </message>
    <message>
        <source>LNB Power :</source>
        <translation>LNB gücü :</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Var</translation>
    </message>
    <message>
        <source>22 KHz :</source>
        <translation>22 KHz :</translation>
    </message>
    <message>
        <source>0V / 12V :</source>
        <translation>0V / 12V :</translation>
    </message>
    <message>
        <source>ToneBurst :</source>
        <translation>ToneBurst :</translation>
    </message>
    <message>
        <source>Sat A</source>
        <translation>Sat A</translation>
    </message>
    <message>
        <source>Sat B</source>
        <translation>Sat B</translation>
    </message>
    <message>
        <source>DiSEqC Type :</source>
        <translation>DiSEqC türü :</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>Detail Info</source>
        <translation>Ayrıntılar</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Yeni</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Aç</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Son açılanlar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation>&amp;Farklı kaydet ...</translation>
    </message>
    <message>
        <source>Compare With…</source>
        <translation>Karşılaştır…</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV dışa aktar…</translation>
    </message>
    <message>
        <source>Import CSV…</source>
        <translation>CSV içe aktar…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Kes</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Yapıştır</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü seç</translation>
    </message>
    <message>
        <source>Move to Number…</source>
        <translation>Numaraya taşı…</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Order Like…</source>
        <translation>Benzer sırala…</translation>
    </message>
    <message>
        <source>Find Duplicates…</source>
        <translation>Kopyaları bul…</translation>
    </message>
    <message>
        <source>&amp;STB-&gt;PC</source>
        <translation>&amp;STB-&gt;PC</translation>
    </message>
    <message>
        <source>&amp;PC-&gt;STB</source>
        <translation>&amp;PC-&gt;STB</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Klavye kısayolları</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>Orvane &amp;hakkında</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Dil</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Dü&amp;zen</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Aktarım</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>Import Transponders…</source>
        <translation>Transponder içe aktar…</translation>
    </message>
    <message>
        <source>Networks…</source>
        <translation>Ağlar…</translation>
    </message>
</context>
<context>
    <name>NameEncoding</name>
    <message>
        <source>Name Encoding</source>
        <translation>Ad kodlaması</translation>
    </message>
</context>
<context>
    <name>SatelliteTree</name>
    <message>
        <source>00. New Satellite </source>
        <translation>00. Yeni uydu </translation>
    </message>
    <message>
        <source>000. New Transponder </source>
        <translation>000. Yeni transponder </translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>Satellite TV %1  Radio %2  Terrestrial TV %3  Radio %4</source>
        <translation>Uydu TV %1  Radyo %2  Karasal TV %3  Radyo %4</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 açıldı</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 kaydedildi</translation>
    </message>
    <message>
        <source>Received %1</source>
        <translation>Alındı: %1</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Kesildi: %1</translation>
    </message>
    <message>
        <source>Pasted %1 before %2</source>
        <translation>Yapıştırıldı: %1, %2 önüne</translation>
    </message>
    <message>
        <source>Nothing pasted: no services of this list are cut</source>
        <translation>Hiçbir şey yapıştırılmadı: bu listeden kesilmiş kanal yok</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>Silindi: %1</translation>
    </message>
    <message>
        <source>Moved %1 to %2</source>
        <translation>Taşındı: %1, %2 konumuna</translation>
    </message>
    <message>
        <source>Exported %1 to %2</source>
        <translation>Dışa aktarıldı: %1, %2 dosyasına</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Geri alındı: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Yinelendi: %1</translation>
    </message>
    <message>
        <source>1 service</source>
        <translation>1 kanal</translation>
    </message>
    <message numerus="yes">
        <source>%1 services</source>
        <translation>
            <numerusform>%1 kanal</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has no %2: the name stays as it was</source>
        <translation>%1 içinde %2 yok: ad olduğu gibi kalıyor</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>Data Transfer</source>
        <translation>Veri aktarımı</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Gönderme</translation>
    </message>
    <message>
        <source>Flash Write</source>
        <translation>Yazma</translation>
    </message>
    <message>
        <source>Port </source>
        <translation>Port </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
</TS>
