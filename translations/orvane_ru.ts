<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CChannelInfoDlg</name>
    <message>
        <source>Satellite is not selected.</source>
        <translation>Спутник не выбран.</translation>
    </message>
    <message>
        <source>Transponder is not selected.</source>
        <translation>Транспондер не выбран.</translation>
    </message>
    <message>
        <source>MUX is not selected.</source>
        <translation>MUX не выбран.</translation>
    </message>
    <message>
        <source>Service ID is not existed.</source>
        <translation>ID сервиса не указан.</translation>
    </message>
    <message>
        <source>Network is not in the list.</source>
        <translation>Сети нет в списке.</translation>
    </message>
    <message>
        <source>New service is appended.
</source>
        <translation>Новый канал добавлен.
</translation>
    </message>
    <message>
        <source>Same service is existed.
</source>
        <translation>Такой канал уже есть.
</translation>
    </message>
    <message>
        <source>[Error] Service is not appended.
</source>
        <translation>[Ошибка] Канал не добавлен.
</translation>
    </message>
</context>
<context>
    <name>CConvTpListDlg</name>
    <message>
        <source>[Error] Can&apos;t write the file
&quot;%1&quot;
%2</source>
        <translation>[Ошибка] Не удаётся записать файл
«%1»
%2</translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>Untitled</source>
        <translation>Без имени</translation>
    </message>
</context>
<context>
    <name>CEditorDlg</name>
    <message>
        <source>  Satellite / Transponder List  </source>
        <translation> Спутники / транспондеры </translation>
    </message>
    <message>
        <source>  Satellite TV List  </source>
        <translation> Спутниковое ТВ </translation>
    </message>
    <message>
        <source>  Satellite RADIO List  </source>
        <translation> Спутниковое радио </translation>
    </message>
    <message>
        <source>  Terrestrial TV List  </source>
        <translation> Эфирное ТВ </translation>
    </message>
    <message>
        <source>  Terrestrial RADIO List  </source>
        <translation> Эфирное радио </translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Очистить список</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Applies at the next start</source>
        <translation>Действует после перезапуска</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Системный</translation>
    </message>
    <message>
        <source>Orvane II %1

Edits the channel database of a satellite and terrestrial set-top box, and moves it to and from the box over a serial cable.

Licence: GNU General Public License, version 3 or later. There is no warranty.</source>
        <translation>Orvane II %1

Редактирует базу каналов спутникового и эфирного ресивера и передаёт её в ресивер и обратно по последовательному кабелю.

Лицензия: GNU General Public License версии 3 или более поздней. Никаких гарантий.</translation>
    </message>
    <message>
        <source>About Orvane</source>
        <translation>О программе Orvane</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Сочетания клавиш</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <translation>Меню %1</translation>
    </message>
    <message>
        <source>Double-click on a column header	Sort the list by that column</source>
        <translation>Двойной щелчок по заголовку столбца	Сортировка списка по этому столбцу</translation>
    </message>
</context>
<context>
    <name>CFileCommands</name>
    <message>
        <source>No such file</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Доступ запрещён</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>Файл пуст</translation>
    </message>
    <message>
        <source>Not a data file of the box</source>
        <translation>Это не файл данных ресивера</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t read the data file &quot;%1&quot;
%2</source>
        <translation>[Ошибка] Не удаётся прочитать файл данных «%1»
%2</translation>
    </message>
    <message>
        <source>the data file &quot;%1&quot;</source>
        <translation>файла данных «%1»</translation>
    </message>
    <message>
        <source>Write to existing file ?

</source>
        <translation>Записать в существующий файл?

</translation>
    </message>
    <message>
        <source>File Save</source>
        <translation>Сохранение файла</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the data file
 &quot;%1&quot;

</source>
        <translation>[Ошибка] Не удаётся записать файл данных
 «%1»

</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the data file 
&quot;%1&quot;

</source>
        <translation>[Ошибка] Не удаётся записать файл данных 
«%1»

</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the backup file
 &quot;%1.bak&quot;
The data file is not saved.

</source>
        <translation>[Ошибка] Не удаётся записать резервную копию
 «%1.bak»
Файл данных не сохранён.

</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Сохранить изменения в %1?</translation>
    </message>
    <message>
        <source>[Warning] Part of %1 could not be read and was dropped:

%2

Nothing is written until you save.</source>
        <translation>[Предупреждение] Часть %1 не удалось прочитать, она отброшена:

%2

Ничего не записывается, пока вы не сохраните.</translation>
    </message>
</context>
<context>
    <name>CImportTranspondersDlg</name>
    <message>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>yes: %1</source>
        <translation>да: %1</translation>
    </message>
    <message>
        <source>Check the satellites of &quot;%1&quot; to import. DVB-S2 transponders start unchecked: the box&apos;s records hold no modulation, so it may not tune them.</source>
        <translation>Отметьте спутники из «%1», которые нужно импортировать. Транспондеры DVB-S2 сначала не отмечены: записи ресивера не хранят модуляцию, поэтому он может их не настроить.</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Фильтр по названию или позиции</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Транспондеры</translation>
    </message>
    <message>
        <source>In the database</source>
        <translation>В базе</translation>
    </message>
</context>
<context>
    <name>CMuxBar</name>
    <message>
        <source>Add…</source>
        <translation>Новый</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Изм…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удал.</translation>
    </message>
    <message>
        <source>Terrestrial MUXes</source>
        <translation>Эфирные MUX</translation>
    </message>
    <message>
        <source>Add a terrestrial MUX</source>
        <translation>Добавить эфирный MUX</translation>
    </message>
    <message>
        <source>Change the chosen MUX</source>
        <translation>Изменить выбранный MUX</translation>
    </message>
    <message>
        <source>Delete the chosen MUX; one that services use stays</source>
        <translation>Удалить выбранный MUX; используемый каналами остаётся</translation>
    </message>
    <message>
        <source>%1 cannot be deleted: %2 services are on it. Move them to another MUX or delete them first.</source>
        <translation>%1 нельзя удалить: на нём каналы (%2). Сначала перенесите их на другой MUX или удалите.</translation>
    </message>
    <message>
        <source>No MUX can be added: the database holds %1 MUXes, or transponders and MUXes together fill the %2 records the box keeps.</source>
        <translation>Нельзя добавить MUX: в базе %1 MUX, или транспондеры и MUX вместе заполняют %2 записей ресивера.</translation>
    </message>
    <message>
        <source>A MUX needs a frequency.</source>
        <translation>MUX нужна частота.</translation>
    </message>
    <message>
        <source>The MUX is no longer there.</source>
        <translation>Этого MUX больше нет.</translation>
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
        <translation>Новый MUX</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Частота:</translation>
    </message>
    <message>
        <source>Symbol rate:</source>
        <translation>Символьная скорость:</translation>
    </message>
    <message>
        <source>TSID:</source>
        <translation>TSID:</translation>
    </message>
    <message>
        <source>Drift (hex):</source>
        <translation>Дрейф (hex):</translation>
    </message>
    <message>
        <source>Attribute (hex):</source>
        <translation>Атрибут (hex):</translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation>Сигнал:</translation>
    </message>
    <message>
        <source>Lists show:</source>
        <translation>В списках:</translation>
    </message>
</context>
<context>
    <name>CNetworkEditorDlg</name>
    <message>
        <source>A name that no service uses is not kept: deleting, moving or sorting services drops it, and so does opening the file again. Give it to a service to keep it.</source>
        <translation>Название, которое не использует ни один канал, не сохраняется: удаление, перемещение или сортировка каналов отбрасывает его, как и повторное открытие файла. Назначьте его каналу, чтобы сохранить.</translation>
    </message>
    <message>
        <source>A name you add is chosen for this service. Other names that no service uses are dropped when services are deleted, moved or sorted, and when the file is opened again.</source>
        <translation>Добавленное название выбирается для этого канала. Другие названия, которые не использует ни один канал, отбрасываются при удалении, перемещении или сортировке каналов и при повторном открытии файла.</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Сети</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Network name</source>
        <translation>Название сети</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Network &quot;%1&quot; cannot be deleted: %2 services use it. Give them another network first.</source>
        <translation>Сеть «%1» нельзя удалить: её используют каналы (%2). Сначала назначьте им другую сеть.</translation>
    </message>
    <message>
        <source>No network can be added: the table holds %1 names, or services use every id.</source>
        <translation>Нельзя добавить сеть: в таблице %1 названий, или каналы используют все ID.</translation>
    </message>
    <message>
        <source>The network is no longer in the table.</source>
        <translation>Этой сети больше нет в таблице.</translation>
    </message>
</context>
<context>
    <name>CSatellitePage</name>
    <message>
        <source>[ERROR] Satellite is not appended. 
 Check the satellite position.

</source>
        <translation>[ОШИБКА] Спутник не добавлен. 
 Проверьте позицию спутника.

</translation>
    </message>
</context>
<context>
    <name>CServiceListPage</name>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Toggle Flag</source>
        <translation>Переключить отметку</translation>
    </message>
    <message>
        <source>Detail Info</source>
        <translation>Подробно</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Сбросить фильтр</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Переместить на номер</translation>
    </message>
    <message>
        <source>Number of the first selected service:</source>
        <translation>Номер первого выбранного канала:</translation>
    </message>
</context>
<context>
    <name>CTransferCommands</name>
    <message>
        <source>[Error] The data received from the STB is not a channel list.
Nothing was changed.</source>
        <translation>[Ошибка] Данные, полученные от STB, не являются списком каналов.
Ничего не изменено.</translation>
    </message>
    <message>
        <source>the data received from the STB</source>
        <translation>данных, полученных от STB</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Other device…</source>
        <translation>Другое устройство…</translation>
    </message>
    <message>
        <source>Manufacturer: %1</source>
        <translation>Производитель: %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Серийный номер: %1</translation>
    </message>
    <message>
        <source>Vendor:product: %1:%2</source>
        <translation>Производитель:продукт: %1:%2</translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>Путь: %1</translation>
    </message>
    <message>
        <source>%1 is not plugged in</source>
        <translation>%1 не подключён</translation>
    </message>
    <message>
        <source>Data Transfer STB to PC</source>
        <translation>Передача данных STB в ПК</translation>
    </message>
    <message>
        <source>Data Transfer PC to STB</source>
        <translation>Передача данных ПК в STB</translation>
    </message>
    <message>
        <source>Data Transfer mode : STB ==&gt; PC</source>
        <translation>Режим передачи : STB ==&gt; PC</translation>
    </message>
    <message>
        <source>Data Transfer mode : PC ==&gt; STB</source>
        <translation>Режим передачи : PC ==&gt; STB</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Приём</translation>
    </message>
    <message>
        <source>Disconnection %1</source>
        <translation>Отключение %1</translation>
    </message>
    <message>
        <source>Connection %1 Error!!!</source>
        <translation>Соединение %1 Ошибка!!!</translation>
    </message>
    <message>
        <source>Connection Error!!!, Check the serial port.</source>
        <translation>Ошибка соединения!!!, проверьте последовательный порт.</translation>
    </message>
    <message>
        <source>Connection %1</source>
        <translation>Соединение %1</translation>
    </message>
    <message>
        <source>Device path, such as the one stb-sim prints:</source>
        <translation>Путь к устройству, например тот, что выводит stb-sim:</translation>
    </message>
    <message>
        <source>%1 went away right after it was plugged in: on some distributions brltty takes such adapters; remove brltty, then plug the adapter in again</source>
        <translation>%1 пропал сразу после подключения: в некоторых дистрибутивах такие адаптеры захватывает brltty; удалите brltty и подключите адаптер снова</translation>
    </message>
    <message>
        <source>%1 was unplugged</source>
        <translation>%1 отключён</translation>
    </message>
</context>
<context>
    <name>ChannelInfoDialog</name>
    <message>
        <source>Channel Informaton</source>
        <translation>Сведения о канале</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID сервиса</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID видео</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID аудио</translation>
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
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Networks…</source>
        <translation>Сети…</translation>
    </message>
</context>
<context>
    <name>Charset</name>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>Западная (Windows-1252)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>Центральноевропейская (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Кириллица (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Греческая (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Турецкая (Windows-1254)</translation>
    </message>
    <message>
        <source>Hebrew (Windows-1255)</source>
        <translation>Иврит (Windows-1255)</translation>
    </message>
    <message>
        <source>Arabic (Windows-1256)</source>
        <translation>Арабская (Windows-1256)</translation>
    </message>
    <message>
        <source>Baltic (Windows-1257)</source>
        <translation>Балтийская (Windows-1257)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows-1258)</source>
        <translation>Вьетнамская (Windows-1258)</translation>
    </message>
    <message>
        <source>Western (ISO 8859-1)</source>
        <translation>Западная (ISO 8859-1)</translation>
    </message>
</context>
<context>
    <name>ConvTpListDialog</name>
    <message>
        <source>Conversion TP List</source>
        <translation>Преобразование списка TP</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>EditText</name>
    <message>
        <source>Append satellite</source>
        <translation>Добавление спутника</translation>
    </message>
    <message>
        <source>Append transponder</source>
        <translation>Добавление транспондера</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Изменение спутника</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Изменение транспондера</translation>
    </message>
    <message>
        <source>Delete satellite</source>
        <translation>Удаление спутника</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>Удаление транспондера</translation>
    </message>
    <message>
        <source>Append service</source>
        <translation>Добавление канала</translation>
    </message>
    <message>
        <source>Change service</source>
        <translation>Изменение канала</translation>
    </message>
    <message>
        <source>Paste 1 service</source>
        <translation>Вставка 1 канала</translation>
    </message>
    <message numerus="yes">
        <source>Paste %1 services</source>
        <translation>
            <numerusform>Вставка %1 канала</numerusform>
            <numerusform>Вставка %1 каналов</numerusform>
            <numerusform>Вставка %1 каналов</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete 1 service</source>
        <translation>Удаление 1 канала</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 services</source>
        <translation>
            <numerusform>Удаление %1 канала</numerusform>
            <numerusform>Удаление %1 каналов</numerusform>
            <numerusform>Удаление %1 каналов</numerusform>
        </translation>
    </message>
    <message>
        <source>Move 1 service</source>
        <translation>Перемещение 1 канала</translation>
    </message>
    <message numerus="yes">
        <source>Move %1 services</source>
        <translation>
            <numerusform>Перемещение %1 канала</numerusform>
            <numerusform>Перемещение %1 каналов</numerusform>
            <numerusform>Перемещение %1 каналов</numerusform>
        </translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>Включение: %1</translation>
    </message>
    <message>
        <source>Disable %1</source>
        <translation>Выключение: %1</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Установка: %1</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Снятие: %1</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Сортировка по: %1</translation>
    </message>
    <message>
        <source>Receive from STB</source>
        <translation>Приём с STB</translation>
    </message>
    <message>
        <source>Order Like %1</source>
        <translation>Упорядочение как %1</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Импорт CSV</translation>
    </message>
    <message>
        <source>Delete 1 duplicate</source>
        <translation>Удаление 1 дубликата</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 duplicates</source>
        <translation>
            <numerusform>Удаление %1 дубликата</numerusform>
            <numerusform>Удаление %1 дубликатов</numerusform>
            <numerusform>Удаление %1 дубликатов</numerusform>
        </translation>
    </message>
    <message>
        <source>Import 1 transponder</source>
        <translation>Импорт 1 транспондера</translation>
    </message>
    <message numerus="yes">
        <source>Import %1 transponders</source>
        <translation>
            <numerusform>Импорт %1 транспондера</numerusform>
            <numerusform>Импорт %1 транспондеров</numerusform>
            <numerusform>Импорт %1 транспондеров</numerusform>
        </translation>
    </message>
    <message>
        <source>Add network %1</source>
        <translation>Добавление сети %1</translation>
    </message>
    <message>
        <source>Rename network to %1</source>
        <translation>Переименование сети в %1</translation>
    </message>
    <message>
        <source>Delete network %1</source>
        <translation>Удаление сети %1</translation>
    </message>
    <message>
        <source>Change networks</source>
        <translation>Изменение сетей</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Добавление: %1</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Изменение: %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Удаление: %1</translation>
    </message>
</context>
<context>
    <name>GridColumns</name>
    <message>
        <source>   Satellite Name  </source>
        <translation>   Спутник  </translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>SymbolRate</source>
        <translation>Симв. ск.</translation>
    </message>
    <message>
        <source>  Network Name  </source>
        <translation>  Сеть  </translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Блок.</translation>
    </message>
    <message>
        <source>    TV Channel Name  </source>
        <translation>    ТВ-канал  </translation>
    </message>
    <message>
        <source>   Radio Channel Name  </source>
        <translation>   Радиоканал  </translation>
    </message>
    <message>
        <source>  Channel Name  </source>
        <translation>  Канал  </translation>
    </message>
</context>
<context>
    <name>GridMenu</name>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Move to Number ...</source>
        <translation>&amp;Переместить на номер ...</translation>
    </message>
    <message>
        <source>&amp;Enable</source>
        <translation>&amp;Включить</translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation>В&amp;ыключить</translation>
    </message>
</context>
<context>
    <name>ListTools</name>
    <message>
        <source>Data Files (*.zdf)|*.zdf|All Files (*.*)|*.*||</source>
        <translation>Файлы данных (*.zdf)|*.zdf|Все файлы (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>Файлы CSV (*.csv)|*.csv|Все файлы (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Data Files (*.zdf)|*.zdf|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>Файлы данных (*.zdf)|*.zdf|Файлы CSV (*.csv)|*.csv|Все файлы (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Order Like</source>
        <translation>Упорядочить как</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Импорт CSV</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Экспорт CSV</translation>
    </message>
    <message>
        <source>Find Duplicates</source>
        <translation>Поиск дубликатов</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Сравнить с</translation>
    </message>
    <message>
        <source>Matched with &quot;%1&quot;:</source>
        <translation>Сопоставлено с «%1»:</translation>
    </message>
    <message>
        <source>Unmatched services keep their places</source>
        <translation>Несопоставленные каналы остаются на местах</translation>
    </message>
    <message>
        <source>Take Lock and favourites from the reference</source>
        <translation>Взять блокировку и избранное из образца</translation>
    </message>
    <message>
        <source>The checked services are deleted.</source>
        <translation>Отмеченные каналы будут удалены.</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>№ %1</translation>
    </message>
    <message>
        <source>, %1 MHz</source>
        <translation>, %1 МГц</translation>
    </message>
    <message>
        <source>, service id %1</source>
        <translation>, ID сервиса %1</translation>
    </message>
    <message>
        <source>From &quot;%1&quot; to this database:</source>
        <translation>От «%1» к этой базе:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Различий нет.</translation>
    </message>
    <message>
        <source>The current list</source>
        <translation>Текущий список</translation>
    </message>
    <message>
        <source>All four lists</source>
        <translation>Все четыре списка</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>No duplicates found.</source>
        <translation>Дубликаты не найдены.</translation>
    </message>
    <message>
        <source>[Error] %1</source>
        <translation>[Ошибка] %1</translation>
    </message>
    <message>
        <source>Satellite Lists (*.xml)|*.xml|All Files (*.*)|*.*||</source>
        <translation>Списки спутников (*.xml)|*.xml|Все файлы (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>Импорт транспондеров</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lists no satellites.</source>
        <translation>В «%1» нет спутников.</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Satellite Information</source>
        <translation>Сведения о спутнике</translation>
    </message>
    <message>
        <source>Transponder Information</source>
        <translation>Сведения о транспондере</translation>
    </message>
    <message>
        <source>Satellite Name :</source>
        <translation>Название :</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Частота :</translation>
    </message>
    <message>
        <source>Satellite Position :</source>
        <translation>Позиция :</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Симв. скор. :</translation>
    </message>
    <message>
        <source>C/KU Switch :</source>
        <translation>Перекл. C/KU :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Polarization :</source>
        <translation>Поляризация :</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Гориз.</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Верт.</translation>
    </message>
    <message>
        <source>LNB Frequency :</source>
        <translation>Частота LNB :</translation>
    </message>
    <message>
        <source>FEC Inner :</source>
        <translation>Внутр. FEC :</translation>
    </message>
    <message>
        <source>C-LNB Frequency :</source>
        <translation>Частота C-LNB :</translation>
    </message>
    <message>
        <source>LNB Power :</source>
        <translation>Питание LNB :</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>22 KHz :</source>
        <translation>22 кГц :</translation>
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
        <translation>Тип DiSEqC :</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Detail Info</source>
        <translation>Подробно</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Недавние файлы</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation>Сохранить &amp;как ...</translation>
    </message>
    <message>
        <source>Compare With…</source>
        <translation>Сравнить с…</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Экспорт CSV…</translation>
    </message>
    <message>
        <source>Import CSV…</source>
        <translation>Импорт CSV…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>Move to Number…</source>
        <translation>Переместить на номер…</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Выключить</translation>
    </message>
    <message>
        <source>Order Like…</source>
        <translation>Упорядочить как…</translation>
    </message>
    <message>
        <source>Find Duplicates…</source>
        <translation>Поиск дубликатов…</translation>
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
        <translation>&amp;Сочетания клавиш</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>&amp;О программе Orvane</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>П&amp;ередача</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Import Transponders…</source>
        <translation>Импорт транспондеров…</translation>
    </message>
    <message>
        <source>Networks…</source>
        <translation>Сети…</translation>
    </message>
</context>
<context>
    <name>NameEncoding</name>
    <message>
        <source>Name Encoding</source>
        <translation>Кодировка имён</translation>
    </message>
</context>
<context>
    <name>SatelliteTree</name>
    <message>
        <source>00. New Satellite </source>
        <translation>00. Новый спутник </translation>
    </message>
    <message>
        <source>000. New Transponder </source>
        <translation>000. Новый транспондер </translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>Satellite TV %1  Radio %2  Terrestrial TV %3  Radio %4</source>
        <translation>Спутниковое ТВ %1  Радио %2  Эфирное ТВ %3  Радио %4</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Открыт %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Сохранён %1</translation>
    </message>
    <message>
        <source>Received %1</source>
        <translation>Получено: %1</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Вырезано: %1</translation>
    </message>
    <message>
        <source>Pasted %1 before %2</source>
        <translation>Вставлено: %1 перед %2</translation>
    </message>
    <message>
        <source>Nothing pasted: no services of this list are cut</source>
        <translation>Ничего не вставлено: из этого списка ничего не вырезано</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>Удалено: %1</translation>
    </message>
    <message>
        <source>Moved %1 to %2</source>
        <translation>Перемещено: %1 на %2</translation>
    </message>
    <message>
        <source>Exported %1 to %2</source>
        <translation>Экспортировано: %1 в %2</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Отменено: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Повторено: %1</translation>
    </message>
    <message>
        <source>1 service</source>
        <translation>1 канал</translation>
    </message>
    <message numerus="yes">
        <source>%1 services</source>
        <translation>
            <numerusform>%1 канал</numerusform>
            <numerusform>%1 канала</numerusform>
            <numerusform>%1 каналов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has no %2: the name stays as it was</source>
        <translation>В %1 нет %2: имя остаётся прежним</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>Data Transfer</source>
        <translation>Передача данных</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Отправка</translation>
    </message>
    <message>
        <source>Flash Write</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Port </source>
        <translation>Порт </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
</TS>
