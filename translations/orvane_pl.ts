<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CChannelInfoDlg</name>
    <message>
        <source>Satellite is not selected.</source>
        <translation>Nie wybrano satelity.</translation>
    </message>
    <message>
        <source>Transponder is not selected.</source>
        <translation>Nie wybrano transpondera.</translation>
    </message>
    <message>
        <source>MUX is not selected.</source>
        <translation>Nie wybrano MUX-a.</translation>
    </message>
    <message>
        <source>Service ID is not existed.</source>
        <translation>Brak ID usługi.</translation>
    </message>
    <message>
        <source>Network is not in the list.</source>
        <translation>Sieci nie ma na liście.</translation>
    </message>
    <message>
        <source>New service is appended.
</source>
        <translation>Dodano nowy kanał.
</translation>
    </message>
    <message>
        <source>Same service is existed.
</source>
        <translation>Taki kanał już istnieje.
</translation>
    </message>
    <message>
        <source>[Error] Service is not appended.
</source>
        <translation>[Błąd] Nie dodano kanału.
</translation>
    </message>
</context>
<context>
    <name>CConvTpListDlg</name>
    <message>
        <source>[Error] Can&apos;t write the file
&quot;%1&quot;
%2</source>
        <translation>[Błąd] Nie można zapisać pliku
„%1”
%2</translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>Untitled</source>
        <translation>Bez nazwy</translation>
    </message>
</context>
<context>
    <name>CEditorDlg</name>
    <message>
        <source>  Satellite / Transponder List  </source>
        <translation> Satelity / transpondery </translation>
    </message>
    <message>
        <source>  Satellite TV List  </source>
        <translation> TV satelitarna </translation>
    </message>
    <message>
        <source>  Satellite RADIO List  </source>
        <translation> Radio satelitarne </translation>
    </message>
    <message>
        <source>  Terrestrial TV List  </source>
        <translation> TV naziemna </translation>
    </message>
    <message>
        <source>  Terrestrial RADIO List  </source>
        <translation> Radio naziemne </translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Wyczyść listę</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>Applies at the next start</source>
        <translation>Obowiązuje od następnego uruchomienia</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systemowy</translation>
    </message>
    <message>
        <source>Orvane II %1

Edits the channel database of a satellite and terrestrial set-top box, and moves it to and from the box over a serial cable.

Licence: GNU General Public License, version 3 or later. There is no warranty.</source>
        <translation>Orvane II %1

Edytuje bazę kanałów dekodera satelitarnego i naziemnego oraz przesyła ją do dekodera i z powrotem kablem szeregowym.

Licencja: GNU General Public License, wersja 3 lub późniejsza. Bez żadnej gwarancji.</translation>
    </message>
    <message>
        <source>About Orvane</source>
        <translation>O programie Orvane</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Skróty klawiszowe</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <translation>Menu %1</translation>
    </message>
    <message>
        <source>Double-click on a column header	Sort the list by that column</source>
        <translation>Dwukrotne kliknięcie nagłówka kolumny	Sortuje listę według tej kolumny</translation>
    </message>
</context>
<context>
    <name>CFileCommands</name>
    <message>
        <source>No such file</source>
        <translation>Nie ma takiego pliku</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Brak uprawnień</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>Plik jest pusty</translation>
    </message>
    <message>
        <source>Not a data file of the box</source>
        <translation>To nie jest plik danych dekodera</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t read the data file &quot;%1&quot;
%2</source>
        <translation>[Błąd] Nie można odczytać pliku danych „%1”
%2</translation>
    </message>
    <message>
        <source>the data file &quot;%1&quot;</source>
        <translation>pliku danych „%1”</translation>
    </message>
    <message>
        <source>Write to existing file ?

</source>
        <translation>Zapisać w istniejącym pliku?

</translation>
    </message>
    <message>
        <source>File Save</source>
        <translation>Zapisz plik</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the data file
 &quot;%1&quot;

</source>
        <translation>[Błąd] Nie można zapisać pliku danych
 „%1”

</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the data file 
&quot;%1&quot;

</source>
        <translation>[Błąd] Nie można zapisać pliku danych 
„%1”

</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the backup file
 &quot;%1.bak&quot;
The data file is not saved.

</source>
        <translation>[Błąd] Nie można zapisać kopii zapasowej
 „%1.bak”
Plik danych nie został zapisany.

</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Zapisać zmiany w %1?</translation>
    </message>
    <message>
        <source>[Warning] Part of %1 could not be read and was dropped:

%2

Nothing is written until you save.</source>
        <translation>[Ostrzeżenie] Części %1 nie udało się odczytać i została pominięta:

%2

Nic nie zostanie zapisane, dopóki nie zapiszesz.</translation>
    </message>
</context>
<context>
    <name>CImportTranspondersDlg</name>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>yes: %1</source>
        <translation>tak: %1</translation>
    </message>
    <message>
        <source>Check the satellites of &quot;%1&quot; to import. DVB-S2 transponders start unchecked: the box&apos;s records hold no modulation, so it may not tune them.</source>
        <translation>Zaznacz satelity z „%1” do zaimportowania. Transpondery DVB-S2 są na początku niezaznaczone: rekordy dekodera nie przechowują modulacji, więc może ich nie dostroić.</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Filtruj według nazwy lub pozycji</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondery</translation>
    </message>
    <message>
        <source>In the database</source>
        <translation>W bazie</translation>
    </message>
</context>
<context>
    <name>CMuxBar</name>
    <message>
        <source>Add…</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Terrestrial MUXes</source>
        <translation>Naziemne MUX-y</translation>
    </message>
    <message>
        <source>Add a terrestrial MUX</source>
        <translation>Dodaj naziemny MUX</translation>
    </message>
    <message>
        <source>Change the chosen MUX</source>
        <translation>Zmień wybrany MUX</translation>
    </message>
    <message>
        <source>Delete the chosen MUX; one that services use stays</source>
        <translation>Usuń wybrany MUX; ten, którego używają kanały, zostaje</translation>
    </message>
    <message>
        <source>%1 cannot be deleted: %2 services are on it. Move them to another MUX or delete them first.</source>
        <translation>Nie można usunąć %1: są na nim kanały (%2). Najpierw przenieś je na inny MUX lub usuń.</translation>
    </message>
    <message>
        <source>No MUX can be added: the database holds %1 MUXes, or transponders and MUXes together fill the %2 records the box keeps.</source>
        <translation>Nie można dodać MUX-a: baza mieści %1 MUX-ów albo transpondery i MUX-y razem wypełniają %2 rekordów dekodera.</translation>
    </message>
    <message>
        <source>A MUX needs a frequency.</source>
        <translation>MUX wymaga częstotliwości.</translation>
    </message>
    <message>
        <source>The MUX is no longer there.</source>
        <translation>Tego MUX-a już nie ma.</translation>
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
        <translation>Nowy MUX</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Częstotliwość:</translation>
    </message>
    <message>
        <source>Symbol rate:</source>
        <translation>Szybkość symboli:</translation>
    </message>
    <message>
        <source>TSID:</source>
        <translation>TSID:</translation>
    </message>
    <message>
        <source>Drift (hex):</source>
        <translation>Dryft (hex):</translation>
    </message>
    <message>
        <source>Attribute (hex):</source>
        <translation>Atrybut (hex):</translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation>Sygnał:</translation>
    </message>
    <message>
        <source>Lists show:</source>
        <translation>Listy pokazują:</translation>
    </message>
</context>
<context>
    <name>CNetworkEditorDlg</name>
    <message>
        <source>A name that no service uses is not kept: deleting, moving or sorting services drops it, and so does opening the file again. Give it to a service to keep it.</source>
        <translation>Nazwa, której nie używa żaden kanał, nie zostaje zachowana: usuwanie, przenoszenie lub sortowanie kanałów ją odrzuca, podobnie jak ponowne otwarcie pliku. Przypisz ją do kanału, aby ją zachować.</translation>
    </message>
    <message>
        <source>A name you add is chosen for this service. Other names that no service uses are dropped when services are deleted, moved or sorted, and when the file is opened again.</source>
        <translation>Dodana nazwa zostaje wybrana dla tego kanału. Inne nazwy, których nie używa żaden kanał, są odrzucane przy usuwaniu, przenoszeniu lub sortowaniu kanałów oraz przy ponownym otwarciu pliku.</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Sieci</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>Network name</source>
        <translation>Nazwa sieci</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Network &quot;%1&quot; cannot be deleted: %2 services use it. Give them another network first.</source>
        <translation>Nie można usunąć sieci „%1”: używają jej kanały (%2). Najpierw przypisz im inną sieć.</translation>
    </message>
    <message>
        <source>No network can be added: the table holds %1 names, or services use every id.</source>
        <translation>Nie można dodać sieci: tabela mieści %1 nazw albo kanały używają każdego ID.</translation>
    </message>
    <message>
        <source>The network is no longer in the table.</source>
        <translation>Sieci nie ma już w tabeli.</translation>
    </message>
</context>
<context>
    <name>CSatellitePage</name>
    <message>
        <source>[ERROR] Satellite is not appended. 
 Check the satellite position.

</source>
        <translation>[BŁĄD] Nie dodano satelity. 
 Sprawdź pozycję satelity.

</translation>
    </message>
</context>
<context>
    <name>CServiceListPage</name>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>Toggle Flag</source>
        <translation>Przełącz znacznik</translation>
    </message>
    <message>
        <source>Detail Info</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Wyczyść filtr</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Przenieś na numer</translation>
    </message>
    <message>
        <source>Number of the first selected service:</source>
        <translation>Numer pierwszego zaznaczonego kanału:</translation>
    </message>
</context>
<context>
    <name>CTransferCommands</name>
    <message>
        <source>[Error] The data received from the STB is not a channel list.
Nothing was changed.</source>
        <translation>[Błąd] Dane odebrane z STB nie są listą kanałów.
Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>the data received from the STB</source>
        <translation>danych odebranych z STB</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Other device…</source>
        <translation>Inne urządzenie…</translation>
    </message>
    <message>
        <source>Manufacturer: %1</source>
        <translation>Producent: %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Numer seryjny: %1</translation>
    </message>
    <message>
        <source>Vendor:product: %1:%2</source>
        <translation>Producent:produkt: %1:%2</translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>Ścieżka: %1</translation>
    </message>
    <message>
        <source>%1 is not plugged in</source>
        <translation>%1 nie jest podłączony</translation>
    </message>
    <message>
        <source>Data Transfer STB to PC</source>
        <translation>Przesyłanie danych STB do PC</translation>
    </message>
    <message>
        <source>Data Transfer PC to STB</source>
        <translation>Przesyłanie danych PC do STB</translation>
    </message>
    <message>
        <source>Data Transfer mode : STB ==&gt; PC</source>
        <translation>Tryb przesyłania : STB ==&gt; PC</translation>
    </message>
    <message>
        <source>Data Transfer mode : PC ==&gt; STB</source>
        <translation>Tryb przesyłania : PC ==&gt; STB</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Odbiór</translation>
    </message>
    <message>
        <source>Disconnection %1</source>
        <translation>Rozłączono %1</translation>
    </message>
    <message>
        <source>Connection %1 Error!!!</source>
        <translation>Połączenie %1 Błąd!!!</translation>
    </message>
    <message>
        <source>Connection Error!!!, Check the serial port.</source>
        <translation>Błąd połączenia!!!, sprawdź port szeregowy.</translation>
    </message>
    <message>
        <source>Connection %1</source>
        <translation>Połączenie %1</translation>
    </message>
    <message>
        <source>Device path, such as the one stb-sim prints:</source>
        <translation>Ścieżka urządzenia, np. ta, którą wypisuje stb-sim:</translation>
    </message>
    <message>
        <source>%1 went away right after it was plugged in: on some distributions brltty takes such adapters; remove brltty, then plug the adapter in again</source>
        <translation>%1 zniknął zaraz po podłączeniu: w niektórych dystrybucjach brltty przejmuje takie adaptery; usuń brltty i podłącz adapter ponownie</translation>
    </message>
    <message>
        <source>%1 was unplugged</source>
        <translation>%1 został odłączony</translation>
    </message>
</context>
<context>
    <name>ChannelInfoDialog</name>
    <message>
        <source>Channel Informaton</source>
        <translation>Informacje o kanale</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Sieć</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID usługi</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nazwa kanału</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID wideo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>Dolby Audio</source>
        <translation>Dolby Audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Networks…</source>
        <translation>Sieci…</translation>
    </message>
</context>
<context>
    <name>Charset</name>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>Zachodnie (Windows-1252)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>Środkowoeuropejskie (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Cyrylica (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Greckie (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Tureckie (Windows-1254)</translation>
    </message>
    <message>
        <source>Hebrew (Windows-1255)</source>
        <translation>Hebrajskie (Windows-1255)</translation>
    </message>
    <message>
        <source>Arabic (Windows-1256)</source>
        <translation>Arabskie (Windows-1256)</translation>
    </message>
    <message>
        <source>Baltic (Windows-1257)</source>
        <translation>Bałtyckie (Windows-1257)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows-1258)</source>
        <translation>Wietnamskie (Windows-1258)</translation>
    </message>
    <message>
        <source>Western (ISO 8859-1)</source>
        <translation>Zachodnie (ISO 8859-1)</translation>
    </message>
</context>
<context>
    <name>ConvTpListDialog</name>
    <message>
        <source>Conversion TP List</source>
        <translation>Konwersja listy TP</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>EditText</name>
    <message>
        <source>Append satellite</source>
        <translation>Dodaj satelitę</translation>
    </message>
    <message>
        <source>Append transponder</source>
        <translation>Dodaj transponder</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Zmień satelitę</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Zmień transponder</translation>
    </message>
    <message>
        <source>Delete satellite</source>
        <translation>Usuń satelitę</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>Usuń transponder</translation>
    </message>
    <message>
        <source>Append service</source>
        <translation>Dodaj kanał</translation>
    </message>
    <message>
        <source>Change service</source>
        <translation>Zmień kanał</translation>
    </message>
    <message>
        <source>Paste 1 service</source>
        <translation>Wklej 1 kanał</translation>
    </message>
    <message numerus="yes">
        <source>Paste %1 services</source>
        <translation>
            <numerusform>Wklej %1 kanał</numerusform>
            <numerusform>Wklej %1 kanały</numerusform>
            <numerusform>Wklej %1 kanałów</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete 1 service</source>
        <translation>Usuń 1 kanał</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 services</source>
        <translation>
            <numerusform>Usuń %1 kanał</numerusform>
            <numerusform>Usuń %1 kanały</numerusform>
            <numerusform>Usuń %1 kanałów</numerusform>
        </translation>
    </message>
    <message>
        <source>Move 1 service</source>
        <translation>Przenieś 1 kanał</translation>
    </message>
    <message numerus="yes">
        <source>Move %1 services</source>
        <translation>
            <numerusform>Przenieś %1 kanał</numerusform>
            <numerusform>Przenieś %1 kanały</numerusform>
            <numerusform>Przenieś %1 kanałów</numerusform>
        </translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>Włącz %1</translation>
    </message>
    <message>
        <source>Disable %1</source>
        <translation>Wyłącz %1</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Ustaw %1</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Wyczyść %1</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Sortuj według: %1</translation>
    </message>
    <message>
        <source>Receive from STB</source>
        <translation>Odbiór z STB</translation>
    </message>
    <message>
        <source>Order Like %1</source>
        <translation>Uporządkuj jak %1</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>Delete 1 duplicate</source>
        <translation>Usuń 1 duplikat</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 duplicates</source>
        <translation>
            <numerusform>Usuń %1 duplikat</numerusform>
            <numerusform>Usuń %1 duplikaty</numerusform>
            <numerusform>Usuń %1 duplikatów</numerusform>
        </translation>
    </message>
    <message>
        <source>Import 1 transponder</source>
        <translation>Importuj 1 transponder</translation>
    </message>
    <message numerus="yes">
        <source>Import %1 transponders</source>
        <translation>
            <numerusform>Importuj %1 transponder</numerusform>
            <numerusform>Importuj %1 transpondery</numerusform>
            <numerusform>Importuj %1 transponderów</numerusform>
        </translation>
    </message>
    <message>
        <source>Add network %1</source>
        <translation>Dodaj sieć %1</translation>
    </message>
    <message>
        <source>Rename network to %1</source>
        <translation>Zmień nazwę sieci na %1</translation>
    </message>
    <message>
        <source>Delete network %1</source>
        <translation>Usuń sieć %1</translation>
    </message>
    <message>
        <source>Change networks</source>
        <translation>Zmień sieci</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Dodaj %1</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Zmień %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Usuń %1</translation>
    </message>
</context>
<context>
    <name>GridColumns</name>
    <message>
        <source>   Satellite Name  </source>
        <translation>   Satelita  </translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotl.</translation>
    </message>
    <message>
        <source>SymbolRate</source>
        <translation>Symbole/s</translation>
    </message>
    <message>
        <source>  Network Name  </source>
        <translation>  Sieć  </translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blok.</translation>
    </message>
    <message>
        <source>    TV Channel Name  </source>
        <translation>    Kanał TV  </translation>
    </message>
    <message>
        <source>   Radio Channel Name  </source>
        <translation>   Kanał radiowy  </translation>
    </message>
    <message>
        <source>  Channel Name  </source>
        <translation>  Kanał  </translation>
    </message>
</context>
<context>
    <name>GridMenu</name>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Wytnij</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>W&amp;klej</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Move to Number ...</source>
        <translation>&amp;Przenieś na numer ...</translation>
    </message>
    <message>
        <source>&amp;Enable</source>
        <translation>&amp;Włącz</translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation>W&amp;yłącz</translation>
    </message>
</context>
<context>
    <name>ListTools</name>
    <message>
        <source>Data Files (*.zdf)|*.zdf|All Files (*.*)|*.*||</source>
        <translation>Pliki danych (*.zdf)|*.zdf|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>Pliki CSV (*.csv)|*.csv|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Data Files (*.zdf)|*.zdf|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>Pliki danych (*.zdf)|*.zdf|Pliki CSV (*.csv)|*.csv|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Order Like</source>
        <translation>Uporządkuj jak</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Eksport CSV</translation>
    </message>
    <message>
        <source>Find Duplicates</source>
        <translation>Znajdź duplikaty</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Porównaj z</translation>
    </message>
    <message>
        <source>Matched with &quot;%1&quot;:</source>
        <translation>Dopasowane do „%1”:</translation>
    </message>
    <message>
        <source>Unmatched services keep their places</source>
        <translation>Niedopasowane kanały zachowują swoje miejsca</translation>
    </message>
    <message>
        <source>Take Lock and favourites from the reference</source>
        <translation>Przejmij blokadę i ulubione ze wzorca</translation>
    </message>
    <message>
        <source>The checked services are deleted.</source>
        <translation>Zaznaczone kanały zostaną usunięte.</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Nr %1</translation>
    </message>
    <message>
        <source>, %1 MHz</source>
        <translation>, %1 MHz</translation>
    </message>
    <message>
        <source>, service id %1</source>
        <translation>, ID usługi %1</translation>
    </message>
    <message>
        <source>From &quot;%1&quot; to this database:</source>
        <translation>Od „%1” do tej bazy:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Brak różnic.</translation>
    </message>
    <message>
        <source>The current list</source>
        <translation>Bieżąca lista</translation>
    </message>
    <message>
        <source>All four lists</source>
        <translation>Wszystkie cztery listy</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>No duplicates found.</source>
        <translation>Nie znaleziono duplikatów.</translation>
    </message>
    <message>
        <source>[Error] %1</source>
        <translation>[Błąd] %1</translation>
    </message>
    <message>
        <source>Satellite Lists (*.xml)|*.xml|All Files (*.*)|*.*||</source>
        <translation>Listy satelitów (*.xml)|*.xml|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>Import transponderów</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lists no satellites.</source>
        <translation>„%1” nie zawiera satelitów.</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Satellite Information</source>
        <translation>Informacje o satelicie</translation>
    </message>
    <message>
        <source>Transponder Information</source>
        <translation>Informacje o transponderze</translation>
    </message>
    <message>
        <source>Satellite Name :</source>
        <translation>Nazwa :</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Częstotliwość :</translation>
    </message>
    <message>
        <source>Satellite Position :</source>
        <translation>Pozycja :</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Symbole/s :</translation>
    </message>
    <message>
        <source>C/KU Switch :</source>
        <translation>Przeł. C/KU :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Polarization :</source>
        <translation>Polaryzacja :</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Poziom.</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Pion.</translation>
    </message>
    <message>
        <source>LNB Frequency :</source>
        <translation>Częstotl. LNB :</translation>
    </message>
    <message>
        <source>FEC Inner :</source>
        <translation>FEC wewn. :</translation>
    </message>
    <message>
        <source>C-LNB Frequency :</source>
        <translation>Częstotl. C-LNB :</translation>
    </message>
    <message>
        <source>LNB Power :</source>
        <translation>Zasilanie LNB :</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł</translation>
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
        <translation>Typ DiSEqC :</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Detail Info</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ostatnio o&amp;twierane</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation>Zapisz j&amp;ako ...</translation>
    </message>
    <message>
        <source>Compare With…</source>
        <translation>Porównaj z…</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Eksportuj CSV…</translation>
    </message>
    <message>
        <source>Import CSV…</source>
        <translation>Importuj CSV…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Move to Number…</source>
        <translation>Przenieś na numer…</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Order Like…</source>
        <translation>Uporządkuj jak…</translation>
    </message>
    <message>
        <source>Find Duplicates…</source>
        <translation>Znajdź duplikaty…</translation>
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
        <translation>&amp;Skróty klawiszowe</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>&amp;O programie Orvane</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>P&amp;rzesyłanie</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Import Transponders…</source>
        <translation>Importuj transpondery…</translation>
    </message>
    <message>
        <source>Networks…</source>
        <translation>Sieci…</translation>
    </message>
</context>
<context>
    <name>NameEncoding</name>
    <message>
        <source>Name Encoding</source>
        <translation>Kodowanie nazw</translation>
    </message>
</context>
<context>
    <name>SatelliteTree</name>
    <message>
        <source>00. New Satellite </source>
        <translation>00. Nowy satelita </translation>
    </message>
    <message>
        <source>000. New Transponder </source>
        <translation>000. Nowy transponder </translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>Satellite TV %1  Radio %2  Terrestrial TV %3  Radio %4</source>
        <translation>TV satelitarna %1  Radio %2  TV naziemna %3  Radio %4</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Otwarto %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Zapisano %1</translation>
    </message>
    <message>
        <source>Received %1</source>
        <translation>Odebrano: %1</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Wycięto: %1</translation>
    </message>
    <message>
        <source>Pasted %1 before %2</source>
        <translation>Wklejono: %1 przed %2</translation>
    </message>
    <message>
        <source>Nothing pasted: no services of this list are cut</source>
        <translation>Nic nie wklejono: żaden kanał tej listy nie jest wycięty</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>Usunięto: %1</translation>
    </message>
    <message>
        <source>Moved %1 to %2</source>
        <translation>Przeniesiono: %1 na %2</translation>
    </message>
    <message>
        <source>Exported %1 to %2</source>
        <translation>Wyeksportowano: %1 do %2</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Cofnięto: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Ponowiono: %1</translation>
    </message>
    <message>
        <source>1 service</source>
        <translation>1 kanał</translation>
    </message>
    <message numerus="yes">
        <source>%1 services</source>
        <translation>
            <numerusform>%1 kanał</numerusform>
            <numerusform>%1 kanały</numerusform>
            <numerusform>%1 kanałów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has no %2: the name stays as it was</source>
        <translation>%1 nie zawiera %2: nazwa pozostaje bez zmian</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>Data Transfer</source>
        <translation>Przesyłanie danych</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Wysyłanie</translation>
    </message>
    <message>
        <source>Flash Write</source>
        <translation>Zapis</translation>
    </message>
    <message>
        <source>Port </source>
        <translation>Port </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
</TS>
