<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CChannelInfoDlg</name>
    <message>
        <source>Satellite is not selected.</source>
        <translation>No se ha seleccionado ningún satélite.</translation>
    </message>
    <message>
        <source>Transponder is not selected.</source>
        <translation>No se ha seleccionado ningún transpondedor.</translation>
    </message>
    <message>
        <source>MUX is not selected.</source>
        <translation>No se ha seleccionado ningún MUX.</translation>
    </message>
    <message>
        <source>Service ID is not existed.</source>
        <translation>Falta el ID de servicio.</translation>
    </message>
    <message>
        <source>Network is not in the list.</source>
        <translation>La red no está en la lista.</translation>
    </message>
    <message>
        <source>New service is appended.
</source>
        <translation>Se ha añadido el nuevo canal.
</translation>
    </message>
    <message>
        <source>Same service is existed.
</source>
        <translation>Ese canal ya existe.
</translation>
    </message>
    <message>
        <source>[Error] Service is not appended.
</source>
        <translation>[Error] No se ha añadido el canal.
</translation>
    </message>
</context>
<context>
    <name>CConvTpListDlg</name>
    <message>
        <source>[Error] Can&apos;t write the file
&quot;%1&quot;
%2</source>
        <translation>[Error] No se puede escribir el archivo
«%1»
%2</translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>CEditorDlg</name>
    <message>
        <source>  Satellite / Transponder List  </source>
        <translation> Satélites / transpondedores </translation>
    </message>
    <message>
        <source>  Satellite TV List  </source>
        <translation> TV satélite </translation>
    </message>
    <message>
        <source>  Satellite RADIO List  </source>
        <translation> Radio satélite </translation>
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
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Applies at the next start</source>
        <translation>Se aplica en el próximo inicio</translation>
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

Edita la base de datos de canales de un receptor de satélite y terrestre, y la transfiere al receptor y desde él por un cable serie.

Licencia: GNU General Public License, versión 3 o posterior. No hay garantía.</translation>
    </message>
    <message>
        <source>About Orvane</source>
        <translation>Acerca de Orvane</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <translation>Menú %1</translation>
    </message>
    <message>
        <source>Double-click on a column header	Sort the list by that column</source>
        <translation>Doble clic en la cabecera de una columna	Ordena la lista por esa columna</translation>
    </message>
</context>
<context>
    <name>CFileCommands</name>
    <message>
        <source>No such file</source>
        <translation>El archivo no existe</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>El archivo está vacío</translation>
    </message>
    <message>
        <source>Not a data file of the box</source>
        <translation>No es un archivo de datos del receptor</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t read the data file &quot;%1&quot;
%2</source>
        <translation>[Error] No se puede leer el archivo de datos «%1»
%2</translation>
    </message>
    <message>
        <source>the data file &quot;%1&quot;</source>
        <translation>del archivo de datos «%1»</translation>
    </message>
    <message>
        <source>Write to existing file ?

</source>
        <translation>¿Escribir en el archivo existente?

</translation>
    </message>
    <message>
        <source>File Save</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the data file
 &quot;%1&quot;

</source>
        <translation>[Error] No se puede escribir el archivo de datos
 «%1»

</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the data file 
&quot;%1&quot;

</source>
        <translation>[Error] No se puede escribir el archivo de datos 
«%1»

</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the backup file
 &quot;%1.bak&quot;
The data file is not saved.

</source>
        <translation>[Error] No se puede escribir la copia de seguridad
 «%1.bak»
No se ha guardado el archivo de datos.

</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>[Warning] Part of %1 could not be read and was dropped:

%2

Nothing is written until you save.</source>
        <translation>[Aviso] Parte %1 no se pudo leer y se ha descartado:

%2

No se escribe nada hasta que guarde.</translation>
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
        <translation>sí: %1</translation>
    </message>
    <message>
        <source>Check the satellites of &quot;%1&quot; to import. DVB-S2 transponders start unchecked: the box&apos;s records hold no modulation, so it may not tune them.</source>
        <translation>Marque los satélites de «%1» que desea importar. Los transpondedores DVB-S2 empiezan sin marcar: los registros del receptor no guardan la modulación, así que quizá no pueda sintonizarlos.</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Filtrar por nombre o posición</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondedores</translation>
    </message>
    <message>
        <source>In the database</source>
        <translation>En la base de datos</translation>
    </message>
</context>
<context>
    <name>CMuxBar</name>
    <message>
        <source>Add…</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Terrestrial MUXes</source>
        <translation>MUX terrestres</translation>
    </message>
    <message>
        <source>Add a terrestrial MUX</source>
        <translation>Añadir un MUX terrestre</translation>
    </message>
    <message>
        <source>Change the chosen MUX</source>
        <translation>Modificar el MUX elegido</translation>
    </message>
    <message>
        <source>Delete the chosen MUX; one that services use stays</source>
        <translation>Eliminar el MUX elegido; uno que usan canales se queda</translation>
    </message>
    <message>
        <source>%1 cannot be deleted: %2 services are on it. Move them to another MUX or delete them first.</source>
        <translation>%1 no se puede eliminar: contiene %2 canales. Muévalos antes a otro MUX o elimínelos.</translation>
    </message>
    <message>
        <source>No MUX can be added: the database holds %1 MUXes, or transponders and MUXes together fill the %2 records the box keeps.</source>
        <translation>No se puede añadir ningún MUX: la base de datos admite %1 MUX, o transpondedores y MUX ocupan juntos los %2 registros del receptor.</translation>
    </message>
    <message>
        <source>A MUX needs a frequency.</source>
        <translation>Un MUX necesita una frecuencia.</translation>
    </message>
    <message>
        <source>The MUX is no longer there.</source>
        <translation>El MUX ya no existe.</translation>
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
        <translation>Nuevo MUX</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Symbol rate:</source>
        <translation>Tasa de símbolos:</translation>
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
        <translation>Atributo (hex):</translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation>Señal:</translation>
    </message>
    <message>
        <source>Lists show:</source>
        <translation>Las listas muestran:</translation>
    </message>
</context>
<context>
    <name>CNetworkEditorDlg</name>
    <message>
        <source>A name that no service uses is not kept: deleting, moving or sorting services drops it, and so does opening the file again. Give it to a service to keep it.</source>
        <translation>Un nombre que no usa ningún canal no se conserva: eliminar, mover u ordenar canales lo descarta, y también volver a abrir el archivo. Asígnelo a un canal para conservarlo.</translation>
    </message>
    <message>
        <source>A name you add is chosen for this service. Other names that no service uses are dropped when services are deleted, moved or sorted, and when the file is opened again.</source>
        <translation>El nombre que añada se elige para este canal. Los demás nombres que no usa ningún canal se descartan al eliminar, mover u ordenar canales y al volver a abrir el archivo.</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Redes</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Network name</source>
        <translation>Nombre de la red</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Network &quot;%1&quot; cannot be deleted: %2 services use it. Give them another network first.</source>
        <translation>La red «%1» no se puede eliminar: la usan %2 canales. Asígneles antes otra red.</translation>
    </message>
    <message>
        <source>No network can be added: the table holds %1 names, or services use every id.</source>
        <translation>No se puede añadir ninguna red: la tabla admite %1 nombres, o los canales usan todos los ID.</translation>
    </message>
    <message>
        <source>The network is no longer in the table.</source>
        <translation>La red ya no está en la tabla.</translation>
    </message>
</context>
<context>
    <name>CSatellitePage</name>
    <message>
        <source>[ERROR] Satellite is not appended. 
 Check the satellite position.

</source>
        <translation>[ERROR] No se ha añadido el satélite. 
 Compruebe la posición del satélite.

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
        <translation>Alternar marca</translation>
    </message>
    <message>
        <source>Detail Info</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Borrar filtro</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Mover al número</translation>
    </message>
    <message>
        <source>Number of the first selected service:</source>
        <translation>Número del primer canal seleccionado:</translation>
    </message>
</context>
<context>
    <name>CTransferCommands</name>
    <message>
        <source>[Error] The data received from the STB is not a channel list.
Nothing was changed.</source>
        <translation>[Error] Los datos recibidos del STB no son una lista de canales.
No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>the data received from the STB</source>
        <translation>de los datos recibidos del STB</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Other device…</source>
        <translation>Otro dispositivo…</translation>
    </message>
    <message>
        <source>Manufacturer: %1</source>
        <translation>Fabricante: %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Número de serie: %1</translation>
    </message>
    <message>
        <source>Vendor:product: %1:%2</source>
        <translation>Fabricante:producto: %1:%2</translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>Ruta: %1</translation>
    </message>
    <message>
        <source>%1 is not plugged in</source>
        <translation>%1 no está conectado</translation>
    </message>
    <message>
        <source>Data Transfer STB to PC</source>
        <translation>Transferencia de datos STB a PC</translation>
    </message>
    <message>
        <source>Data Transfer PC to STB</source>
        <translation>Transferencia de datos PC a STB</translation>
    </message>
    <message>
        <source>Data Transfer mode : STB ==&gt; PC</source>
        <translation>Modo de transferencia : STB ==&gt; PC</translation>
    </message>
    <message>
        <source>Data Transfer mode : PC ==&gt; STB</source>
        <translation>Modo de transferencia : PC ==&gt; STB</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Recepción</translation>
    </message>
    <message>
        <source>Disconnection %1</source>
        <translation>Desconexión %1</translation>
    </message>
    <message>
        <source>Connection %1 Error!!!</source>
        <translation>Conexión %1 ¡¡¡Error!!!</translation>
    </message>
    <message>
        <source>Connection Error!!!, Check the serial port.</source>
        <translation>¡¡¡Error de conexión!!!, compruebe el puerto serie.</translation>
    </message>
    <message>
        <source>Connection %1</source>
        <translation>Conexión %1</translation>
    </message>
    <message>
        <source>Device path, such as the one stb-sim prints:</source>
        <translation>Ruta del dispositivo, como la que muestra stb-sim:</translation>
    </message>
    <message>
        <source>%1 went away right after it was plugged in: on some distributions brltty takes such adapters; remove brltty, then plug the adapter in again</source>
        <translation>%1 desapareció justo después de conectarlo: en algunas distribuciones brltty se apodera de estos adaptadores; desinstale brltty y vuelva a conectar el adaptador</translation>
    </message>
    <message>
        <source>%1 was unplugged</source>
        <translation>%1 se ha desconectado</translation>
    </message>
</context>
<context>
    <name>ChannelInfoDialog</name>
    <message>
        <source>Channel Informaton</source>
        <translation>Información del canal</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID servicio</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nombre canal</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID vídeo</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Networks…</source>
        <translation>Redes…</translation>
    </message>
</context>
<context>
    <name>Charset</name>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>Occidental (Windows-1252)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>Centroeuropeo (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Cirílico (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Griego (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Turco (Windows-1254)</translation>
    </message>
    <message>
        <source>Hebrew (Windows-1255)</source>
        <translation>Hebreo (Windows-1255)</translation>
    </message>
    <message>
        <source>Arabic (Windows-1256)</source>
        <translation>Árabe (Windows-1256)</translation>
    </message>
    <message>
        <source>Baltic (Windows-1257)</source>
        <translation>Báltico (Windows-1257)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows-1258)</source>
        <translation>Vietnamita (Windows-1258)</translation>
    </message>
    <message>
        <source>Western (ISO 8859-1)</source>
        <translation>Occidental (ISO 8859-1)</translation>
    </message>
</context>
<context>
    <name>ConvTpListDialog</name>
    <message>
        <source>Conversion TP List</source>
        <translation>Conversión de lista TP</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>EditText</name>
    <message>
        <source>Append satellite</source>
        <translation>Añadir satélite</translation>
    </message>
    <message>
        <source>Append transponder</source>
        <translation>Añadir transpondedor</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Actualizar satélite</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Actualizar transpondedor</translation>
    </message>
    <message>
        <source>Delete satellite</source>
        <translation>Eliminar satélite</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>Eliminar transpondedor</translation>
    </message>
    <message>
        <source>Append service</source>
        <translation>Añadir canal</translation>
    </message>
    <message>
        <source>Change service</source>
        <translation>Modificar canal</translation>
    </message>
    <message>
        <source>Paste 1 service</source>
        <translation>Pegar 1 canal</translation>
    </message>
    <message numerus="yes">
        <source>Paste %1 services</source>
        <translation>
            <numerusform>Pegar %1 canal</numerusform>
            <numerusform>Pegar %1 canales</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete 1 service</source>
        <translation>Eliminar 1 canal</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 services</source>
        <translation>
            <numerusform>Eliminar %1 canal</numerusform>
            <numerusform>Eliminar %1 canales</numerusform>
        </translation>
    </message>
    <message>
        <source>Move 1 service</source>
        <translation>Mover 1 canal</translation>
    </message>
    <message numerus="yes">
        <source>Move %1 services</source>
        <translation>
            <numerusform>Mover %1 canal</numerusform>
            <numerusform>Mover %1 canales</numerusform>
        </translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>Activar %1</translation>
    </message>
    <message>
        <source>Disable %1</source>
        <translation>Desactivar %1</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Marcar %1</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Desmarcar %1</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Ordenar por %1</translation>
    </message>
    <message>
        <source>Receive from STB</source>
        <translation>Recibir del STB</translation>
    </message>
    <message>
        <source>Order Like %1</source>
        <translation>Ordenar como %1</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importar CSV</translation>
    </message>
    <message>
        <source>Delete 1 duplicate</source>
        <translation>Eliminar 1 duplicado</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 duplicates</source>
        <translation>
            <numerusform>Eliminar %1 duplicado</numerusform>
            <numerusform>Eliminar %1 duplicados</numerusform>
        </translation>
    </message>
    <message>
        <source>Import 1 transponder</source>
        <translation>Importar 1 transpondedor</translation>
    </message>
    <message numerus="yes">
        <source>Import %1 transponders</source>
        <translation>
            <numerusform>Importar %1 transpondedor</numerusform>
            <numerusform>Importar %1 transpondedores</numerusform>
        </translation>
    </message>
    <message>
        <source>Add network %1</source>
        <translation>Añadir la red %1</translation>
    </message>
    <message>
        <source>Rename network to %1</source>
        <translation>Renombrar la red a %1</translation>
    </message>
    <message>
        <source>Delete network %1</source>
        <translation>Eliminar la red %1</translation>
    </message>
    <message>
        <source>Change networks</source>
        <translation>Modificar redes</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Añadir %1</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Modificar %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Eliminar %1</translation>
    </message>
</context>
<context>
    <name>GridColumns</name>
    <message>
        <source>   Satellite Name  </source>
        <translation>   Satélite  </translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>SymbolRate</source>
        <translation>Tasa símb.</translation>
    </message>
    <message>
        <source>  Network Name  </source>
        <translation>  Red  </translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloq.</translation>
    </message>
    <message>
        <source>    TV Channel Name  </source>
        <translation>    Canal de TV  </translation>
    </message>
    <message>
        <source>   Radio Channel Name  </source>
        <translation>   Canal de radio  </translation>
    </message>
    <message>
        <source>  Channel Name  </source>
        <translation>  Canal  </translation>
    </message>
</context>
<context>
    <name>GridMenu</name>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Cortar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Move to Number ...</source>
        <translation>&amp;Mover al número ...</translation>
    </message>
    <message>
        <source>&amp;Enable</source>
        <translation>&amp;Activar</translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation>&amp;Desactivar</translation>
    </message>
</context>
<context>
    <name>ListTools</name>
    <message>
        <source>Data Files (*.zdf)|*.zdf|All Files (*.*)|*.*||</source>
        <translation>Archivos de datos (*.zdf)|*.zdf|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>Archivos CSV (*.csv)|*.csv|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Data Files (*.zdf)|*.zdf|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>Archivos de datos (*.zdf)|*.zdf|Archivos CSV (*.csv)|*.csv|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Order Like</source>
        <translation>Ordenar como</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importar CSV</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Find Duplicates</source>
        <translation>Buscar duplicados</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>Matched with &quot;%1&quot;:</source>
        <translation>Emparejado con «%1»:</translation>
    </message>
    <message>
        <source>Unmatched services keep their places</source>
        <translation>Los canales sin pareja conservan su lugar</translation>
    </message>
    <message>
        <source>Take Lock and favourites from the reference</source>
        <translation>Tomar el bloqueo y los favoritos de la referencia</translation>
    </message>
    <message>
        <source>The checked services are deleted.</source>
        <translation>Se eliminarán los canales marcados.</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>N.º %1</translation>
    </message>
    <message>
        <source>, %1 MHz</source>
        <translation>, %1 MHz</translation>
    </message>
    <message>
        <source>, service id %1</source>
        <translation>, id. de servicio %1</translation>
    </message>
    <message>
        <source>From &quot;%1&quot; to this database:</source>
        <translation>De «%1» a esta base de datos:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>No hay diferencias.</translation>
    </message>
    <message>
        <source>The current list</source>
        <translation>La lista actual</translation>
    </message>
    <message>
        <source>All four lists</source>
        <translation>Las cuatro listas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No duplicates found.</source>
        <translation>No se han encontrado duplicados.</translation>
    </message>
    <message>
        <source>[Error] %1</source>
        <translation>[Error] %1</translation>
    </message>
    <message>
        <source>Satellite Lists (*.xml)|*.xml|All Files (*.*)|*.*||</source>
        <translation>Listas de satélites (*.xml)|*.xml|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>Importar transpondedores</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lists no satellites.</source>
        <translation>«%1» no contiene satélites.</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Satellite Information</source>
        <translation>Información del satélite</translation>
    </message>
    <message>
        <source>Transponder Information</source>
        <translation>Información del transpondedor</translation>
    </message>
    <message>
        <source>Satellite Name :</source>
        <translation>Nombre :</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Frecuencia :</translation>
    </message>
    <message>
        <source>Satellite Position :</source>
        <translation>Posición :</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Tasa símbolos :</translation>
    </message>
    <message>
        <source>C/KU Switch :</source>
        <translation>Conmut. C/KU :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Polarization :</source>
        <translation>Polarización :</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>LNB Frequency :</source>
        <translation>Frecuencia LNB :</translation>
    </message>
    <message>
        <source>FEC Inner :</source>
        <translation>FEC interno :</translation>
    </message>
    <message>
        <source>C-LNB Frequency :</source>
        <translation>Frec. LNB C :</translation>
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
        <translation>Sí</translation>
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
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Detail Info</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation>Guardar &amp;como ...</translation>
    </message>
    <message>
        <source>Compare With…</source>
        <translation>Comparar con…</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>Import CSV…</source>
        <translation>Importar CSV…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Move to Number…</source>
        <translation>Mover al número…</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Order Like…</source>
        <translation>Ordenar como…</translation>
    </message>
    <message>
        <source>Find Duplicates…</source>
        <translation>Buscar duplicados…</translation>
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
        <translation>&amp;Atajos de teclado</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>A&amp;cerca de Orvane</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Transferir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Import Transponders…</source>
        <translation>Importar transpondedores…</translation>
    </message>
    <message>
        <source>Networks…</source>
        <translation>Redes…</translation>
    </message>
</context>
<context>
    <name>NameEncoding</name>
    <message>
        <source>Name Encoding</source>
        <translation>Codificación de nombres</translation>
    </message>
</context>
<context>
    <name>SatelliteTree</name>
    <message>
        <source>00. New Satellite </source>
        <translation>00. Nuevo satélite </translation>
    </message>
    <message>
        <source>000. New Transponder </source>
        <translation>000. Nuevo transpondedor </translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>Satellite TV %1  Radio %2  Terrestrial TV %3  Radio %4</source>
        <translation>TV satélite %1  Radio %2  TV terrestre %3  Radio %4</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Abierto %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Guardado %1</translation>
    </message>
    <message>
        <source>Received %1</source>
        <translation>Recibidos: %1</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Cortados: %1</translation>
    </message>
    <message>
        <source>Pasted %1 before %2</source>
        <translation>Pegados: %1 antes de %2</translation>
    </message>
    <message>
        <source>Nothing pasted: no services of this list are cut</source>
        <translation>No se ha pegado nada: no hay canales cortados de esta lista</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>Eliminados: %1</translation>
    </message>
    <message>
        <source>Moved %1 to %2</source>
        <translation>Movidos: %1 a %2</translation>
    </message>
    <message>
        <source>Exported %1 to %2</source>
        <translation>Exportados: %1 a %2</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rehecho: %1</translation>
    </message>
    <message>
        <source>1 service</source>
        <translation>1 canal</translation>
    </message>
    <message numerus="yes">
        <source>%1 services</source>
        <translation>
            <numerusform>%1 canal</numerusform>
            <numerusform>%1 canales</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has no %2: the name stays as it was</source>
        <translation>%1 no tiene %2: el nombre queda como estaba</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>Data Transfer</source>
        <translation>Transferencia de datos</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Envío</translation>
    </message>
    <message>
        <source>Flash Write</source>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>Port </source>
        <translation>Puerto </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
