<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CChannelInfoDlg</name>
    <message>
        <source>Satellite is not selected.</source>
        <translation>Nessun satellite selezionato.</translation>
    </message>
    <message>
        <source>Transponder is not selected.</source>
        <translation>Nessun transponder selezionato.</translation>
    </message>
    <message>
        <source>MUX is not selected.</source>
        <translation>Nessun MUX selezionato.</translation>
    </message>
    <message>
        <source>Service ID is not existed.</source>
        <translation>Manca l&apos;ID del servizio.</translation>
    </message>
    <message>
        <source>Network is not in the list.</source>
        <translation>La rete non è nell&apos;elenco.</translation>
    </message>
    <message>
        <source>New service is appended.
</source>
        <translation>Il nuovo canale è stato aggiunto.
</translation>
    </message>
    <message>
        <source>Same service is existed.
</source>
        <translation>Questo canale esiste già.
</translation>
    </message>
    <message>
        <source>[Error] Service is not appended.
</source>
        <translation>[Errore] Il canale non è stato aggiunto.
</translation>
    </message>
</context>
<context>
    <name>CConvTpListDlg</name>
    <message>
        <source>[Error] Can&apos;t write the file
&quot;%1&quot;
%2</source>
        <translation>[Errore] Impossibile scrivere il file
«%1»
%2</translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
</context>
<context>
    <name>CEditorDlg</name>
    <message>
        <source>  Satellite / Transponder List  </source>
        <translation> Satelliti / transponder </translation>
    </message>
    <message>
        <source>  Satellite TV List  </source>
        <translation> TV satellite </translation>
    </message>
    <message>
        <source>  Satellite RADIO List  </source>
        <translation> Radio satellite </translation>
    </message>
    <message>
        <source>  Terrestrial TV List  </source>
        <translation> TV terrestre </translation>
    </message>
    <message>
        <source>  Terrestrial RADIO List  </source>
        <translation> Radio terrestre </translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Svuota l&apos;elenco</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Applies at the next start</source>
        <translation>Vale dal prossimo avvio</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Orvane II %1

Edits the channel database of a satellite and terrestrial set-top box, and moves it to and from the box over a serial cable.

Licence: GNU General Public License, version 3 or later. There is no warranty.</source>
        <translation>Orvane II %1

Modifica il database dei canali di un decoder satellitare e terrestre e lo trasferisce da e verso il decoder con un cavo seriale.

Licenza: GNU General Public License, versione 3 o successiva. Nessuna garanzia.</translation>
    </message>
    <message>
        <source>About Orvane</source>
        <translation>Informazioni su Orvane</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <translation>Menu %1</translation>
    </message>
    <message>
        <source>Double-click on a column header	Sort the list by that column</source>
        <translation>Doppio clic sull&apos;intestazione di una colonna	Ordina l&apos;elenco per quella colonna</translation>
    </message>
</context>
<context>
    <name>CFileCommands</name>
    <message>
        <source>No such file</source>
        <translation>Il file non esiste</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>Il file è vuoto</translation>
    </message>
    <message>
        <source>Not a data file of the box</source>
        <translation>Non è un file dati del decoder</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t read the data file &quot;%1&quot;
%2</source>
        <translation>[Errore] Impossibile leggere il file dati «%1»
%2</translation>
    </message>
    <message>
        <source>the data file &quot;%1&quot;</source>
        <translation>del file dati «%1»</translation>
    </message>
    <message>
        <source>Write to existing file ?

</source>
        <translation>Scrivere nel file esistente?

</translation>
    </message>
    <message>
        <source>File Save</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the data file
 &quot;%1&quot;

</source>
        <translation>[Errore] Impossibile scrivere il file dati
 «%1»

</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the data file 
&quot;%1&quot;

</source>
        <translation>[Errore] Impossibile scrivere il file dati 
«%1»

</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the backup file
 &quot;%1.bak&quot;
The data file is not saved.

</source>
        <translation>[Errore] Impossibile scrivere la copia di backup
 «%1.bak»
Il file dati non è stato salvato.

</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvare le modifiche a %1?</translation>
    </message>
    <message>
        <source>[Warning] Part of %1 could not be read and was dropped:

%2

Nothing is written until you save.</source>
        <translation>[Avviso] Una parte %1 non è leggibile ed è stata scartata:

%2

Nulla viene scritto finché non si salva.</translation>
    </message>
</context>
<context>
    <name>CImportTranspondersDlg</name>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>yes: %1</source>
        <translation>sì: %1</translation>
    </message>
    <message>
        <source>Check the satellites of &quot;%1&quot; to import. DVB-S2 transponders start unchecked: the box&apos;s records hold no modulation, so it may not tune them.</source>
        <translation>Selezionare i satelliti di «%1» da importare. I transponder DVB-S2 partono non selezionati: i record del decoder non contengono la modulazione, quindi potrebbe non sintonizzarli.</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Filtra per nome o posizione</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>In the database</source>
        <translation>Nel database</translation>
    </message>
</context>
<context>
    <name>CMuxBar</name>
    <message>
        <source>Add…</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Modif…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Terrestrial MUXes</source>
        <translation>MUX terrestri</translation>
    </message>
    <message>
        <source>Add a terrestrial MUX</source>
        <translation>Aggiungi un MUX terrestre</translation>
    </message>
    <message>
        <source>Change the chosen MUX</source>
        <translation>Modifica il MUX scelto</translation>
    </message>
    <message>
        <source>Delete the chosen MUX; one that services use stays</source>
        <translation>Elimina il MUX scelto; uno usato da canali resta</translation>
    </message>
    <message>
        <source>%1 cannot be deleted: %2 services are on it. Move them to another MUX or delete them first.</source>
        <translation>%1 non può essere eliminato: contiene %2 canali. Spostarli prima su un altro MUX o eliminarli.</translation>
    </message>
    <message>
        <source>No MUX can be added: the database holds %1 MUXes, or transponders and MUXes together fill the %2 records the box keeps.</source>
        <translation>Non è possibile aggiungere MUX: il database contiene %1 MUX, oppure transponder e MUX insieme riempiono i %2 record del decoder.</translation>
    </message>
    <message>
        <source>A MUX needs a frequency.</source>
        <translation>Un MUX richiede una frequenza.</translation>
    </message>
    <message>
        <source>The MUX is no longer there.</source>
        <translation>Il MUX non esiste più.</translation>
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
        <translation>Nuovo MUX</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frequenza:</translation>
    </message>
    <message>
        <source>Symbol rate:</source>
        <translation>Symbol rate:</translation>
    </message>
    <message>
        <source>TSID:</source>
        <translation>TSID:</translation>
    </message>
    <message>
        <source>Drift (hex):</source>
        <translation>Deriva (hex):</translation>
    </message>
    <message>
        <source>Attribute (hex):</source>
        <translation>Attributo (hex):</translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation>Segnale:</translation>
    </message>
    <message>
        <source>Lists show:</source>
        <translation>Gli elenchi mostrano:</translation>
    </message>
</context>
<context>
    <name>CNetworkEditorDlg</name>
    <message>
        <source>A name that no service uses is not kept: deleting, moving or sorting services drops it, and so does opening the file again. Give it to a service to keep it.</source>
        <translation>Un nome che nessun canale usa non viene conservato: eliminare, spostare o ordinare i canali lo scarta, così come riaprire il file. Assegnarlo a un canale per conservarlo.</translation>
    </message>
    <message>
        <source>A name you add is chosen for this service. Other names that no service uses are dropped when services are deleted, moved or sorted, and when the file is opened again.</source>
        <translation>Un nome aggiunto viene scelto per questo canale. Gli altri nomi che nessun canale usa vengono scartati quando i canali vengono eliminati, spostati o ordinati e quando il file viene riaperto.</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Reti</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Network name</source>
        <translation>Nome della rete</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Network &quot;%1&quot; cannot be deleted: %2 services use it. Give them another network first.</source>
        <translation>La rete «%1» non può essere eliminata: la usano %2 canali. Assegnare prima un&apos;altra rete.</translation>
    </message>
    <message>
        <source>No network can be added: the table holds %1 names, or services use every id.</source>
        <translation>Non è possibile aggiungere reti: la tabella contiene %1 nomi, oppure i canali usano ogni ID.</translation>
    </message>
    <message>
        <source>The network is no longer in the table.</source>
        <translation>La rete non è più nella tabella.</translation>
    </message>
</context>
<context>
    <name>CSatellitePage</name>
    <message>
        <source>[ERROR] Satellite is not appended. 
 Check the satellite position.

</source>
        <translation>[ERRORE] Il satellite non è stato aggiunto. 
 Controllare la posizione del satellite.

</translation>
    </message>
</context>
<context>
    <name>CServiceListPage</name>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Toggle Flag</source>
        <translation>Inverti contrassegno</translation>
    </message>
    <message>
        <source>Detail Info</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Cancella filtro</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Sposta al numero</translation>
    </message>
    <message>
        <source>Number of the first selected service:</source>
        <translation>Numero del primo canale selezionato:</translation>
    </message>
</context>
<context>
    <name>CTransferCommands</name>
    <message>
        <source>[Error] The data received from the STB is not a channel list.
Nothing was changed.</source>
        <translation>[Errore] I dati ricevuti dallo STB non sono un elenco di canali.
Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>the data received from the STB</source>
        <translation>dei dati ricevuti dallo STB</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Other device…</source>
        <translation>Altro dispositivo…</translation>
    </message>
    <message>
        <source>Manufacturer: %1</source>
        <translation>Produttore: %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Numero di serie: %1</translation>
    </message>
    <message>
        <source>Vendor:product: %1:%2</source>
        <translation>Produttore:prodotto: %1:%2</translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>Percorso: %1</translation>
    </message>
    <message>
        <source>%1 is not plugged in</source>
        <translation>%1 non è collegato</translation>
    </message>
    <message>
        <source>Data Transfer STB to PC</source>
        <translation>Trasferimento dati da STB a PC</translation>
    </message>
    <message>
        <source>Data Transfer PC to STB</source>
        <translation>Trasferimento dati da PC a STB</translation>
    </message>
    <message>
        <source>Data Transfer mode : STB ==&gt; PC</source>
        <translation>Modalità di trasferimento : STB ==&gt; PC</translation>
    </message>
    <message>
        <source>Data Transfer mode : PC ==&gt; STB</source>
        <translation>Modalità di trasferimento : PC ==&gt; STB</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Ricezione</translation>
    </message>
    <message>
        <source>Disconnection %1</source>
        <translation>Disconnessione %1</translation>
    </message>
    <message>
        <source>Connection %1 Error!!!</source>
        <translation>Connessione %1 Errore!!!</translation>
    </message>
    <message>
        <source>Connection Error!!!, Check the serial port.</source>
        <translation>Errore di connessione!!!, controllare la porta seriale.</translation>
    </message>
    <message>
        <source>Connection %1</source>
        <translation>Connessione %1</translation>
    </message>
    <message>
        <source>Device path, such as the one stb-sim prints:</source>
        <translation>Percorso del dispositivo, come quello mostrato da stb-sim:</translation>
    </message>
    <message>
        <source>%1 went away right after it was plugged in: on some distributions brltty takes such adapters; remove brltty, then plug the adapter in again</source>
        <translation>%1 è sparito subito dopo il collegamento: su alcune distribuzioni brltty si impadronisce di questi adattatori; rimuovere brltty e ricollegare l&apos;adattatore</translation>
    </message>
    <message>
        <source>%1 was unplugged</source>
        <translation>%1 è stato scollegato</translation>
    </message>
</context>
<context>
    <name>ChannelInfoDialog</name>
    <message>
        <source>Channel Informaton</source>
        <translation>Informazioni sul canale</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID servizio</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nome canale</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID video</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Networks…</source>
        <translation>Reti…</translation>
    </message>
</context>
<context>
    <name>Charset</name>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>Occidentale (Windows-1252)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>Europa centrale (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Cirillico (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Greco (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Turco (Windows-1254)</translation>
    </message>
    <message>
        <source>Hebrew (Windows-1255)</source>
        <translation>Ebraico (Windows-1255)</translation>
    </message>
    <message>
        <source>Arabic (Windows-1256)</source>
        <translation>Arabo (Windows-1256)</translation>
    </message>
    <message>
        <source>Baltic (Windows-1257)</source>
        <translation>Baltico (Windows-1257)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows-1258)</source>
        <translation>Vietnamita (Windows-1258)</translation>
    </message>
    <message>
        <source>Western (ISO 8859-1)</source>
        <translation>Occidentale (ISO 8859-1)</translation>
    </message>
</context>
<context>
    <name>ConvTpListDialog</name>
    <message>
        <source>Conversion TP List</source>
        <translation>Conversione elenco TP</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>EditText</name>
    <message>
        <source>Append satellite</source>
        <translation>Aggiungi satellite</translation>
    </message>
    <message>
        <source>Append transponder</source>
        <translation>Aggiungi transponder</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Aggiorna satellite</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Aggiorna transponder</translation>
    </message>
    <message>
        <source>Delete satellite</source>
        <translation>Elimina satellite</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>Elimina transponder</translation>
    </message>
    <message>
        <source>Append service</source>
        <translation>Aggiungi canale</translation>
    </message>
    <message>
        <source>Change service</source>
        <translation>Modifica canale</translation>
    </message>
    <message>
        <source>Paste 1 service</source>
        <translation>Incolla 1 canale</translation>
    </message>
    <message numerus="yes">
        <source>Paste %1 services</source>
        <translation>
            <numerusform>Incolla %1 canale</numerusform>
            <numerusform>Incolla %1 canali</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete 1 service</source>
        <translation>Elimina 1 canale</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 services</source>
        <translation>
            <numerusform>Elimina %1 canale</numerusform>
            <numerusform>Elimina %1 canali</numerusform>
        </translation>
    </message>
    <message>
        <source>Move 1 service</source>
        <translation>Sposta 1 canale</translation>
    </message>
    <message numerus="yes">
        <source>Move %1 services</source>
        <translation>
            <numerusform>Sposta %1 canale</numerusform>
            <numerusform>Sposta %1 canali</numerusform>
        </translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>Attiva %1</translation>
    </message>
    <message>
        <source>Disable %1</source>
        <translation>Disattiva %1</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Imposta %1</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Togli %1</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Ordina per %1</translation>
    </message>
    <message>
        <source>Receive from STB</source>
        <translation>Ricevi dallo STB</translation>
    </message>
    <message>
        <source>Order Like %1</source>
        <translation>Ordina come %1</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importa CSV</translation>
    </message>
    <message>
        <source>Delete 1 duplicate</source>
        <translation>Elimina 1 duplicato</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 duplicates</source>
        <translation>
            <numerusform>Elimina %1 duplicato</numerusform>
            <numerusform>Elimina %1 duplicati</numerusform>
        </translation>
    </message>
    <message>
        <source>Import 1 transponder</source>
        <translation>Importa 1 transponder</translation>
    </message>
    <message numerus="yes">
        <source>Import %1 transponders</source>
        <translation>
            <numerusform>Importa %1 transponder</numerusform>
            <numerusform>Importa %1 transponder</numerusform>
        </translation>
    </message>
    <message>
        <source>Add network %1</source>
        <translation>Aggiungi la rete %1</translation>
    </message>
    <message>
        <source>Rename network to %1</source>
        <translation>Rinomina la rete in %1</translation>
    </message>
    <message>
        <source>Delete network %1</source>
        <translation>Elimina la rete %1</translation>
    </message>
    <message>
        <source>Change networks</source>
        <translation>Modifica reti</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Aggiungi %1</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Modifica %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Elimina %1</translation>
    </message>
</context>
<context>
    <name>GridColumns</name>
    <message>
        <source>   Satellite Name  </source>
        <translation>   Satellite  </translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>SymbolRate</source>
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>  Network Name  </source>
        <translation>  Rete  </translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloc.</translation>
    </message>
    <message>
        <source>    TV Channel Name  </source>
        <translation>    Canale TV  </translation>
    </message>
    <message>
        <source>   Radio Channel Name  </source>
        <translation>   Canale radio  </translation>
    </message>
    <message>
        <source>  Channel Name  </source>
        <translation>  Canale  </translation>
    </message>
</context>
<context>
    <name>GridMenu</name>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Move to Number ...</source>
        <translation>&amp;Sposta al numero ...</translation>
    </message>
    <message>
        <source>&amp;Enable</source>
        <translation>&amp;Attiva</translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation>&amp;Disattiva</translation>
    </message>
</context>
<context>
    <name>ListTools</name>
    <message>
        <source>Data Files (*.zdf)|*.zdf|All Files (*.*)|*.*||</source>
        <translation>File dati (*.zdf)|*.zdf|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>File CSV (*.csv)|*.csv|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Data Files (*.zdf)|*.zdf|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>File dati (*.zdf)|*.zdf|File CSV (*.csv)|*.csv|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Order Like</source>
        <translation>Ordina come</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importa CSV</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>Find Duplicates</source>
        <translation>Trova duplicati</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Confronta con</translation>
    </message>
    <message>
        <source>Matched with &quot;%1&quot;:</source>
        <translation>Abbinato a «%1»:</translation>
    </message>
    <message>
        <source>Unmatched services keep their places</source>
        <translation>I canali non abbinati mantengono la loro posizione</translation>
    </message>
    <message>
        <source>Take Lock and favourites from the reference</source>
        <translation>Prendi blocco e preferiti dal riferimento</translation>
    </message>
    <message>
        <source>The checked services are deleted.</source>
        <translation>I canali selezionati verranno eliminati.</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>N. %1</translation>
    </message>
    <message>
        <source>, %1 MHz</source>
        <translation>, %1 MHz</translation>
    </message>
    <message>
        <source>, service id %1</source>
        <translation>, id servizio %1</translation>
    </message>
    <message>
        <source>From &quot;%1&quot; to this database:</source>
        <translation>Da «%1» a questo database:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Nessuna differenza.</translation>
    </message>
    <message>
        <source>The current list</source>
        <translation>L&apos;elenco attuale</translation>
    </message>
    <message>
        <source>All four lists</source>
        <translation>Tutti e quattro gli elenchi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>No duplicates found.</source>
        <translation>Nessun duplicato trovato.</translation>
    </message>
    <message>
        <source>[Error] %1</source>
        <translation>[Errore] %1</translation>
    </message>
    <message>
        <source>Satellite Lists (*.xml)|*.xml|All Files (*.*)|*.*||</source>
        <translation>Elenchi satelliti (*.xml)|*.xml|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>Importa transponder</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lists no satellites.</source>
        <translation>«%1» non contiene satelliti.</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Satellite Information</source>
        <translation>Informazioni satellite</translation>
    </message>
    <message>
        <source>Transponder Information</source>
        <translation>Informazioni transponder</translation>
    </message>
    <message>
        <source>Satellite Name :</source>
        <translation>Nome :</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Frequenza :</translation>
    </message>
    <message>
        <source>Satellite Position :</source>
        <translation>Posizione :</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Symbol rate :</translation>
    </message>
    <message>
        <source>C/KU Switch :</source>
        <translation>Commut. C/KU :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Polarization :</source>
        <translation>Polarizzazione :</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Orizz.</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vert.</translation>
    </message>
    <message>
        <source>LNB Frequency :</source>
        <translation>Frequenza LNB :</translation>
    </message>
    <message>
        <source>FEC Inner :</source>
        <translation>FEC interno :</translation>
    </message>
    <message>
        <source>C-LNB Frequency :</source>
        <translation>Freq. LNB C :</translation>
    </message>
    <message>
        <source>LNB Power :</source>
        <translation>Alim. LNB :</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sì</translation>
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
        <translation>Tipo DiSEqC :</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Detail Info</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation>Salva &amp;come ...</translation>
    </message>
    <message>
        <source>Compare With…</source>
        <translation>Confronta con…</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Esporta CSV…</translation>
    </message>
    <message>
        <source>Import CSV…</source>
        <translation>Importa CSV…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Move to Number…</source>
        <translation>Sposta al numero…</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Order Like…</source>
        <translation>Ordina come…</translation>
    </message>
    <message>
        <source>Find Duplicates…</source>
        <translation>Trova duplicati…</translation>
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
        <translation>&amp;Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>&amp;Informazioni su Orvane</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Trasferimento</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Import Transponders…</source>
        <translation>Importa transponder…</translation>
    </message>
    <message>
        <source>Networks…</source>
        <translation>Reti…</translation>
    </message>
</context>
<context>
    <name>NameEncoding</name>
    <message>
        <source>Name Encoding</source>
        <translation>Codifica dei nomi</translation>
    </message>
</context>
<context>
    <name>SatelliteTree</name>
    <message>
        <source>00. New Satellite </source>
        <translation>00. Nuovo satellite </translation>
    </message>
    <message>
        <source>000. New Transponder </source>
        <translation>000. Nuovo transponder </translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>Satellite TV %1  Radio %2  Terrestrial TV %3  Radio %4</source>
        <translation>TV satellite %1  Radio %2  TV terrestre %3  Radio %4</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Aperto %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Salvato %1</translation>
    </message>
    <message>
        <source>Received %1</source>
        <translation>Ricevuti: %1</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Tagliati: %1</translation>
    </message>
    <message>
        <source>Pasted %1 before %2</source>
        <translation>Incollati: %1 prima di %2</translation>
    </message>
    <message>
        <source>Nothing pasted: no services of this list are cut</source>
        <translation>Niente incollato: nessun canale di questo elenco è stato tagliato</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>Eliminati: %1</translation>
    </message>
    <message>
        <source>Moved %1 to %2</source>
        <translation>Spostati: %1 a %2</translation>
    </message>
    <message>
        <source>Exported %1 to %2</source>
        <translation>Esportati: %1 in %2</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annullato: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Ripetuto: %1</translation>
    </message>
    <message>
        <source>1 service</source>
        <translation>1 canale</translation>
    </message>
    <message numerus="yes">
        <source>%1 services</source>
        <translation>
            <numerusform>%1 canale</numerusform>
            <numerusform>%1 canali</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has no %2: the name stays as it was</source>
        <translation>%1 non ha %2: il nome resta com&apos;era</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>Data Transfer</source>
        <translation>Trasferimento dati</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>Flash Write</source>
        <translation>Scrittura</translation>
    </message>
    <message>
        <source>Port </source>
        <translation>Porta </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
</TS>
