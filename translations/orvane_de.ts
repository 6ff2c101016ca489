<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CChannelInfoDlg</name>
    <message>
        <source>Satellite is not selected.</source>
        <translation>Kein Satellit ausgewählt.</translation>
    </message>
    <message>
        <source>Transponder is not selected.</source>
        <translation>Kein Transponder ausgewählt.</translation>
    </message>
    <message>
        <source>MUX is not selected.</source>
        <translation>Kein MUX ausgewählt.</translation>
    </message>
    <message>
        <source>Service ID is not existed.</source>
        <translation>Keine Service-ID angegeben.</translation>
    </message>
    <message>
        <source>Network is not in the list.</source>
        <translation>Das Netzwerk ist nicht in der Liste.</translation>
    </message>
    <message>
        <source>New service is appended.
</source>
        <translation>Der neue Sender wurde angefügt.
</translation>
    </message>
    <message>
        <source>Same service is existed.
</source>
        <translation>Dieser Sender ist schon vorhanden.
</translation>
    </message>
    <message>
        <source>[Error] Service is not appended.
</source>
        <translation>[Fehler] Der Sender wurde nicht angefügt.
</translation>
    </message>
</context>
<context>
    <name>CConvTpListDlg</name>
    <message>
        <source>[Error] Can&apos;t write the file
&quot;%1&quot;
%2</source>
        <translation>[Fehler] Die Datei kann nicht geschrieben werden
„%1“
%2</translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>CEditorDlg</name>
    <message>
        <source>  Satellite / Transponder List  </source>
        <translation> Satelliten / Transponder </translation>
    </message>
    <message>
        <source>  Satellite TV List  </source>
        <translation> Satelliten-TV </translation>
    </message>
    <message>
        <source>  Satellite RADIO List  </source>
        <translation> Satelliten-Radio </translation>
    </message>
    <message>
        <source>  Terrestrial TV List  </source>
        <translation> Terrestrisches TV </translation>
    </message>
    <message>
        <source>  Terrestrial RADIO List  </source>
        <translation> Terrestrisches Radio </translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Applies at the next start</source>
        <translation>Gilt ab dem nächsten Start</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Orvane II %1

Edits the channel database of a satellite and terrestrial set-top box, and moves it to and from the box over a serial cable.

Licence: GNU General Public License, version 3 or later. There is no warranty.</source>
        <translation>Orvane II %1

Bearbeitet die Senderdatenbank einer Satelliten- und Terrestrik-Set-Top-Box und überträgt sie über ein serielles Kabel zur Box und zurück.

Lizenz: GNU General Public License, Version 3 oder neuer. Es gibt keine Gewährleistung.</translation>
    </message>
    <message>
        <source>About Orvane</source>
        <translation>Über Orvane</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <translation>Menü %1</translation>
    </message>
    <message>
        <source>Double-click on a column header	Sort the list by that column</source>
        <translation>Doppelklick auf einen Spaltenkopf	Liste nach dieser Spalte sortieren</translation>
    </message>
</context>
<context>
    <name>CFileCommands</name>
    <message>
        <source>No such file</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>Die Datei ist leer</translation>
    </message>
    <message>
        <source>Not a data file of the box</source>
        <translation>Keine Datendatei der Box</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t read the data file &quot;%1&quot;
%2</source>
        <translation>[Fehler] Die Datendatei „%1“ kann nicht gelesen werden
%2</translation>
    </message>
    <message>
        <source>the data file &quot;%1&quot;</source>
        <translation>der Datendatei „%1“</translation>
    </message>
    <message>
        <source>Write to existing file ?

</source>
        <translation>In die vorhandene Datei schreiben?

</translation>
    </message>
    <message>
        <source>File Save</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the data file
 &quot;%1&quot;

</source>
        <translation>[Fehler] Die Datendatei kann nicht geschrieben werden
 „%1“

</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the data file 
&quot;%1&quot;

</source>
        <translation>[Fehler] Die Datendatei kann nicht geschrieben werden 
„%1“

</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the backup file
 &quot;%1.bak&quot;
The data file is not saved.

</source>
        <translation>[Fehler] Die Sicherungsdatei kann nicht geschrieben werden
 „%1.bak“
Die Datendatei wurde nicht gespeichert.

</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>[Warning] Part of %1 could not be read and was dropped:

%2

Nothing is written until you save.</source>
        <translation>[Warnung] Ein Teil %1 war nicht lesbar und wurde verworfen:

%2

Nichts wird geschrieben, bevor Sie speichern.</translation>
    </message>
</context>
<context>
    <name>CImportTranspondersDlg</name>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>yes: %1</source>
        <translation>ja: %1</translation>
    </message>
    <message>
        <source>Check the satellites of &quot;%1&quot; to import. DVB-S2 transponders start unchecked: the box&apos;s records hold no modulation, so it may not tune them.</source>
        <translation>Markieren Sie die Satelliten aus „%1“, die importiert werden sollen. DVB-S2-Transponder sind zunächst nicht markiert: die Datensätze der Box speichern keine Modulation, sie kann sie also womöglich nicht empfangen.</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Nach Name oder Position filtern</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>In the database</source>
        <translation>In der Datenbank</translation>
    </message>
</context>
<context>
    <name>CMuxBar</name>
    <message>
        <source>Add…</source>
        <translation>Neu…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf.</translation>
    </message>
    <message>
        <source>Terrestrial MUXes</source>
        <translation>Terrestrische MUXe</translation>
    </message>
    <message>
        <source>Add a terrestrial MUX</source>
        <translation>Einen terrestrischen MUX hinzufügen</translation>
    </message>
    <message>
        <source>Change the chosen MUX</source>
        <translation>Den gewählten MUX ändern</translation>
    </message>
    <message>
        <source>Delete the chosen MUX; one that services use stays</source>
        <translation>Den gewählten MUX löschen; einer, den Sender nutzen, bleibt</translation>
    </message>
    <message>
        <source>%1 cannot be deleted: %2 services are on it. Move them to another MUX or delete them first.</source>
        <translation>%1 kann nicht gelöscht werden: %2 Sender liegen darauf. Verschieben Sie sie zuerst auf einen anderen MUX oder löschen Sie sie.</translation>
    </message>
    <message>
        <source>No MUX can be added: the database holds %1 MUXes, or transponders and MUXes together fill the %2 records the box keeps.</source>
        <translation>Es kann kein MUX hinzugefügt werden: die Datenbank fasst %1 MUXe, oder Transponder und MUXe füllen zusammen die %2 Datensätze der Box.</translation>
    </message>
    <message>
        <source>A MUX needs a frequency.</source>
        <translation>Ein MUX braucht eine Frequenz.</translation>
    </message>
    <message>
        <source>The MUX is no longer there.</source>
        <translation>Der MUX ist nicht mehr vorhanden.</translation>
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
        <translation>Neuer MUX</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frequenz:</translation>
    </message>
    <message>
        <source>Symbol rate:</source>
        <translation>Symbolrate:</translation>
    </message>
    <message>
        <source>TSID:</source>
        <translation>TSID:</translation>
    </message>
    <message>
        <source>Drift (hex):</source>
        <translation>Drift (hex):</translation>
    </message>
    <message>
        <source>Attribute (hex):</source>
        <translation>Attribut (hex):</translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation>Signal:</translation>
    </message>
    <message>
        <source>Lists show:</source>
        <translation>Listen zeigen:</translation>
    </message>
</context>
<context>
    <name>CNetworkEditorDlg</name>
    <message>
        <source>A name that no service uses is not kept: deleting, moving or sorting services drops it, and so does opening the file again. Give it to a service to keep it.</source>
        <translation>Ein Name, den kein Sender nutzt, bleibt nicht erhalten: Löschen, Verschieben oder Sortieren von Sendern verwirft ihn, ebenso erneutes Öffnen der Datei. Weisen Sie ihn einem Sender zu, um ihn zu behalten.</translation>
    </message>
    <message>
        <source>A name you add is chosen for this service. Other names that no service uses are dropped when services are deleted, moved or sorted, and when the file is opened again.</source>
        <translation>Ein hinzugefügter Name wird für diesen Sender gewählt. Andere Namen, die kein Sender nutzt, werden verworfen, wenn Sender gelöscht, verschoben oder sortiert werden und wenn die Datei erneut geöffnet wird.</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Netzwerke</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Network name</source>
        <translation>Netzwerkname</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Network &quot;%1&quot; cannot be deleted: %2 services use it. Give them another network first.</source>
        <translation>Das Netzwerk „%1“ kann nicht gelöscht werden: %2 Sender nutzen es. Geben Sie ihnen zuerst ein anderes Netzwerk.</translation>
    </message>
    <message>
        <source>No network can be added: the table holds %1 names, or services use every id.</source>
        <translation>Es kann kein Netzwerk hinzugefügt werden: die Tabelle fasst %1 Namen, oder Sender nutzen jede ID.</translation>
    </message>
    <message>
        <source>The network is no longer in the table.</source>
        <translation>Das Netzwerk ist nicht mehr in der Tabelle.</translation>
    </message>
</context>
<context>
    <name>CSatellitePage</name>
    <message>
        <source>[ERROR] Satellite is not appended. 
 Check the satellite position.

</source>
        <translation>[FEHLER] Der Satellit wurde nicht angefügt. 
 Prüfen Sie die Satellitenposition.

</translation>
    </message>
</context>
<context>
    <name>CServiceListPage</name>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Toggle Flag</source>
        <translation>Markierung umschalten</translation>
    </message>
    <message>
        <source>Detail Info</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Filter leeren</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Auf Nummer verschieben</translation>
    </message>
    <message>
        <source>Number of the first selected service:</source>
        <translation>Nummer des ersten ausgewählten Senders:</translation>
    </message>
</context>
<context>
    <name>CTransferCommands</name>
    <message>
        <source>[Error] The data received from the STB is not a channel list.
Nothing was changed.</source>
        <translation>[Fehler] Die von der STB empfangenen Daten sind keine Senderliste.
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>the data received from the STB</source>
        <translation>der von der STB empfangenen Daten</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Other device…</source>
        <translation>Anderes Gerät…</translation>
    </message>
    <message>
        <source>Manufacturer: %1</source>
        <translation>Hersteller: %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Seriennummer: %1</translation>
    </message>
    <message>
        <source>Vendor:product: %1:%2</source>
        <translation>Hersteller:Produkt: %1:%2</translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>Pfad: %1</translation>
    </message>
    <message>
        <source>%1 is not plugged in</source>
        <translation>%1 ist nicht eingesteckt</translation>
    </message>
    <message>
        <source>Data Transfer STB to PC</source>
        <translation>Datenübertragung STB zum PC</translation>
    </message>
    <message>
        <source>Data Transfer PC to STB</source>
        <translation>Datenübertragung PC zur STB</translation>
    </message>
    <message>
        <source>Data Transfer mode : STB ==&gt; PC</source>
        <translation>Übertragungsmodus : STB ==&gt; PC</translation>
    </message>
    <message>
        <source>Data Transfer mode : PC ==&gt; STB</source>
        <translation>Übertragungsmodus : PC ==&gt; STB</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Disconnection %1</source>
        <translation>Getrennt: %1</translation>
    </message>
    <message>
        <source>Connection %1 Error!!!</source>
        <translation>Verbindung %1 Fehler!!!</translation>
    </message>
    <message>
        <source>Connection Error!!!, Check the serial port.</source>
        <translation>Verbindungsfehler!!!, serielle Schnittstelle prüfen.</translation>
    </message>
    <message>
        <source>Connection %1</source>
        <translation>Verbindung %1</translation>
    </message>
    <message>
        <source>Device path, such as the one stb-sim prints:</source>
        <translation>Gerätepfad, etwa der, den stb-sim ausgibt:</translation>
    </message>
    <message>
        <source>%1 went away right after it was plugged in: on some distributions brltty takes such adapters; remove brltty, then plug the adapter in again</source>
        <translation>%1 verschwand gleich nach dem Einstecken: auf manchen Distributionen übernimmt brltty solche Adapter; brltty entfernen, dann den Adapter neu einstecken</translation>
    </message>
    <message>
        <source>%1 was unplugged</source>
        <translation>%1 wurde abgezogen</translation>
    </message>
</context>
<context>
    <name>ChannelInfoDialog</name>
    <message>
        <source>Channel Informaton</source>
        <translation>Senderinformation</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Sendername</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>Dolby Audio</source>
        <translation>Dolby Audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Networks…</source>
        <translation>Netzwerke…</translation>
    </message>
</context>
<context>
    <name>Charset</name>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>Westlich (Windows-1252)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>Mitteleuropäisch (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Kyrillisch (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Griechisch (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Türkisch (Windows-1254)</translation>
    </message>
    <message>
        <source>Hebrew (Windows-1255)</source>
        <translation>Hebräisch (Windows-1255)</translation>
    </message>
    <message>
        <source>Arabic (Windows-1256)</source>
        <translation>Arabisch (Windows-1256)</translation>
    </message>
    <message>
        <source>Baltic (Windows-1257)</source>
        <translation>Baltisch (Windows-1257)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows-1258)</source>
        <translation>Vietnamesisch (Windows-1258)</translation>
    </message>
    <message>
        <source>Western (ISO 8859-1)</source>
        <translation>Westlich (ISO 8859-1)</translation>
    </message>
</context>
<context>
    <name>ConvTpListDialog</name>
    <message>
        <source>Conversion TP List</source>
        <translation>TP-Liste umwandeln</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>EditText</name>
    <message>
        <source>Append satellite</source>
        <translation>Satellit anfügen</translation>
    </message>
    <message>
        <source>Append transponder</source>
        <translation>Transponder anfügen</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Satellit ändern</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Transponder ändern</translation>
    </message>
    <message>
        <source>Delete satellite</source>
        <translation>Satellit löschen</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>Append service</source>
        <translation>Sender anfügen</translation>
    </message>
    <message>
        <source>Change service</source>
        <translation>Sender ändern</translation>
    </message>
    <message>
        <source>Paste 1 service</source>
        <translation>1 Sender einfügen</translation>
    </message>
    <message numerus="yes">
        <source>Paste %1 services</source>
        <translation>
            <numerusform>%1 Sender einfügen</numerusform>
            <numerusform>%1 Sender einfügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete 1 service</source>
        <translation>1 Sender löschen</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 services</source>
        <translation>
            <numerusform>%1 Sender löschen</numerusform>
            <numerusform>%1 Sender löschen</numerusform>
        </translation>
    </message>
    <message>
        <source>Move 1 service</source>
        <translation>1 Sender verschieben</translation>
    </message>
    <message numerus="yes">
        <source>Move %1 services</source>
        <translation>
            <numerusform>%1 Sender verschieben</numerusform>
            <numerusform>%1 Sender verschieben</numerusform>
        </translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>%1 einschalten</translation>
    </message>
    <message>
        <source>Disable %1</source>
        <translation>%1 ausschalten</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>%1 setzen</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Nach %1 sortieren</translation>
    </message>
    <message>
        <source>Receive from STB</source>
        <translation>Von der STB empfangen</translation>
    </message>
    <message>
        <source>Order Like %1</source>
        <translation>Ordnen wie %1</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>Delete 1 duplicate</source>
        <translation>1 Duplikat löschen</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 duplicates</source>
        <translation>
            <numerusform>%1 Duplikat löschen</numerusform>
            <numerusform>%1 Duplikate löschen</numerusform>
        </translation>
    </message>
    <message>
        <source>Import 1 transponder</source>
        <translation>1 Transponder importieren</translation>
    </message>
    <message numerus="yes">
        <source>Import %1 transponders</source>
        <translation>
            <numerusform>%1 Transponder importieren</numerusform>
            <numerusform>%1 Transponder importieren</numerusform>
        </translation>
    </message>
    <message>
        <source>Add network %1</source>
        <translation>Netzwerk %1 hinzufügen</translation>
    </message>
    <message>
        <source>Rename network to %1</source>
        <translation>Netzwerk in %1 umbenennen</translation>
    </message>
    <message>
        <source>Delete network %1</source>
        <translation>Netzwerk %1 löschen</translation>
    </message>
    <message>
        <source>Change networks</source>
        <translation>Netzwerke ändern</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
</context>
<context>
    <name>GridColumns</name>
    <message>
        <source>   Satellite Name  </source>
        <translation>   Satellit  </translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>SymbolRate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>  Network Name  </source>
        <translation>  Netzwerk  </translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>    TV Channel Name  </source>
        <translation>    TV-Sender  </translation>
    </message>
    <message>
        <source>   Radio Channel Name  </source>
        <translation>   Radiosender  </translation>
    </message>
    <message>
        <source>  Channel Name  </source>
        <translation>  Sender  </translation>
    </message>
</context>
<context>
    <name>GridMenu</name>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Move to Number ...</source>
        <translation>Auf &amp;Nummer verschieben ...</translation>
    </message>
    <message>
        <source>&amp;Enable</source>
        <translation>&amp;Einschalten</translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation>&amp;Ausschalten</translation>
    </message>
</context>
<context>
    <name>ListTools</name>
    <message>
        <source>Data Files (*.zdf)|*.zdf|All Files (*.*)|*.*||</source>
        <translation>Datendateien (*.zdf)|*.zdf|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>CSV-Dateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Data Files (*.zdf)|*.zdf|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>Datendateien (*.zdf)|*.zdf|CSV-Dateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Order Like</source>
        <translation>Ordnen wie</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Find Duplicates</source>
        <translation>Duplikate suchen</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>Matched with &quot;%1&quot;:</source>
        <translation>Zugeordnet nach „%1“:</translation>
    </message>
    <message>
        <source>Unmatched services keep their places</source>
        <translation>Nicht zugeordnete Sender behalten ihren Platz</translation>
    </message>
    <message>
        <source>Take Lock and favourites from the reference</source>
        <translation>Sperre und Favoriten aus der Vorlage übernehmen</translation>
    </message>
    <message>
        <source>The checked services are deleted.</source>
        <translation>Die markierten Sender werden gelöscht.</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Nr. %1</translation>
    </message>
    <message>
        <source>, %1 MHz</source>
        <translation>, %1 MHz</translation>
    </message>
    <message>
        <source>, service id %1</source>
        <translation>, Service-ID %1</translation>
    </message>
    <message>
        <source>From &quot;%1&quot; to this database:</source>
        <translation>Von „%1“ zu dieser Datenbank:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Keine Unterschiede.</translation>
    </message>
    <message>
        <source>The current list</source>
        <translation>Die aktuelle Liste</translation>
    </message>
    <message>
        <source>All four lists</source>
        <translation>Alle vier Listen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No duplicates found.</source>
        <translation>Keine Duplikate gefunden.</translation>
    </message>
    <message>
        <source>[Error] %1</source>
        <translation>[Fehler] %1</translation>
    </message>
    <message>
        <source>Satellite Lists (*.xml)|*.xml|All Files (*.*)|*.*||</source>
        <translation>Satellitenlisten (*.xml)|*.xml|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>Transponder importieren</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lists no satellites.</source>
        <translation>„%1“ enthält keine Satelliten.</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Satellite Information</source>
        <translation>Satelliteninformation</translation>
    </message>
    <message>
        <source>Transponder Information</source>
        <translation>Transponderinformation</translation>
    </message>
    <message>
        <source>Satellite Name :</source>
        <translation>Satellitenname :</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Frequenz :</translation>
    </message>
    <message>
        <source>Satellite Position :</source>
        <translation>Position :</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Symbolrate :</translation>
    </message>
    <message>
        <source>C/KU Switch :</source>
        <translation>C/KU-Umsch. :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Kein</translation>
    </message>
    <message>
        <source>Polarization :</source>
        <translation>Polarisation :</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>LNB Frequency :</source>
        <translation>LNB-Frequenz :</translation>
    </message>
    <message>
        <source>FEC Inner :</source>
        <translation>Innerer FEC :</translation>
    </message>
    <message>
        <source>C-LNB Frequency :</source>
        <translation>C-LNB-Frequenz :</translation>
    </message>
    <message>
        <source>LNB Power :</source>
        <translation>LNB-Speisung :</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
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
        <translation>DiSEqC-Typ :</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Anfügen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Detail Info</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation>Speichern &amp;unter ...</translation>
    </message>
    <message>
        <source>Compare With…</source>
        <translation>Vergleichen mit…</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exportieren…</translation>
    </message>
    <message>
        <source>Import CSV…</source>
        <translation>CSV importieren…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Move to Number…</source>
        <translation>Auf Nummer verschieben…</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Order Like…</source>
        <translation>Ordnen wie…</translation>
    </message>
    <message>
        <source>Find Duplicates…</source>
        <translation>Duplikate suchen…</translation>
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
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>Ü&amp;ber Orvane</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>Übe&amp;rtragung</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Import Transponders…</source>
        <translation>Transponder importieren…</translation>
    </message>
    <message>
        <source>Networks…</source>
        <translation>Netzwerke…</translation>
    </message>
</context>
<context>
    <name>NameEncoding</name>
    <message>
        <source>Name Encoding</source>
        <translation>Zeichensatz der Namen</translation>
    </message>
</context>
<context>
    <name>SatelliteTree</name>
    <message>
        <source>00. New Satellite </source>
        <translation>00. Neuer Satellit </translation>
    </message>
    <message>
        <source>000. New Transponder </source>
        <translation>000. Neuer Transponder </translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>Satellite TV %1  Radio %2  Terrestrial TV %3  Radio %4</source>
        <translation>Satelliten-TV %1  Radio %2  Terrestrisch TV %3  Radio %4</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Received %1</source>
        <translation>%1 empfangen</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>%1 ausgeschnitten</translation>
    </message>
    <message>
        <source>Pasted %1 before %2</source>
        <translation>%1 vor %2 eingefügt</translation>
    </message>
    <message>
        <source>Nothing pasted: no services of this list are cut</source>
        <translation>Nichts eingefügt: kein Sender dieser Liste ist ausgeschnitten</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>%1 gelöscht</translation>
    </message>
    <message>
        <source>Moved %1 to %2</source>
        <translation>%1 nach %2 verschoben</translation>
    </message>
    <message>
        <source>Exported %1 to %2</source>
        <translation>%1 nach %2 exportiert</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
    <message>
        <source>1 service</source>
        <translation>1 Sender</translation>
    </message>
    <message numerus="yes">
        <source>%1 services</source>
        <translation>
            <numerusform>%1 Sender</numerusform>
            <numerusform>%1 Sender</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has no %2: the name stays as it was</source>
        <translation>%1 kennt %2 nicht: der Name bleibt unverändert</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>Data Transfer</source>
        <translation>Datenübertragung</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Flash Write</source>
        <translation>Flashen</translation>
    </message>
    <message>
        <source>Port </source>
        <translation>Port </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
