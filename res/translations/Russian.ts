<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutBox</name>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Sets up the network interface of Zephran POS receipt printers: Ethernet and wireless printers on the local network, and printers attached by a serial port or a USB cable.</source>
        <translation>Настраивает сетевой интерфейс чековых POS-принтеров Zephran: принтеров Ethernet и беспроводных принтеров в локальной сети, а также принтеров, подключённых через последовательный порт или USB-кабель.</translation>
    </message>
    <message>
        <source>Copyright © Corvane Tool developers. Free software under the MIT licence.</source>
        <translation>Copyright © разработчики Corvane Tool. Свободное программное обеспечение под лицензией MIT.</translation>
    </message>
    <message>
        <source>About Corvane Tool</source>
        <translation>О программе Corvane Tool</translation>
    </message>
</context>
<context>
    <name>BssInfoDialog</name>
    <message>
        <source>BSS Information</source>
        <translation>Информация о BSS</translation>
    </message>
    <message>
        <source>No</source>
        <translation>№</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>BSSID</source>
        <translation>BSSID</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Безопасность</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>Получить информацию о BSS</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>Точки доступа, которые видит принтер</translation>
    </message>
</context>
<context>
    <name>BssPage</name>
    <message>
        <source>No</source>
        <translation>№</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>BSSID</source>
        <translation>BSSID</translation>
    </message>
    <message>
        <source>MODE</source>
        <translation>РЕЖИМ</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Безопасность</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>Получить информацию о BSS</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>Точки доступа, которые видит принтер</translation>
    </message>
    <message>
        <source>Use this network</source>
        <translation>Использовать эту сеть</translation>
    </message>
    <message>
        <source>Puts the chosen network&apos;s name on the Network page and, where the survey names one, its authentication on the Authentication page</source>
        <translation>Переносит имя выбранной сети на страницу «Сеть», а если поиск сообщает способ аутентификации, то и его на страницу «Аутентификация»</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation>Инфраструктура</translation>
    </message>
    <message>
        <source>Ad hoc</source>
        <translation>Ad-hoc</translation>
    </message>
</context>
<context>
    <name>CertificatePage</name>
    <message>
        <source>Certificate</source>
        <translation>Сертификат</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <translation>Ключ клиента</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <translation>PEM клиента</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>File Upload</source>
        <translation>Загрузить файл</translation>
    </message>
    <message>
        <source>Original Certificate Format (*)</source>
        <translation>Исходный формат сертификата (*)</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>Файл сертификата</translation>
    </message>
</context>
<context>
    <name>ConfigApp</name>
    <message>
        <source>Sets up the network interface of Zephran receipt printers.</source>
        <translation>Настраивает сетевой интерфейс чековых принтеров Zephran.</translation>
    </message>
    <message>
        <source>Show the windows in NAME instead of the system&apos;s language: en (the built-in English), a catalog name such as Japanese or German, or a locale name such as de_AT.</source>
        <translation>Показывать окна на языке NAME вместо языка системы: en (встроенный английский), имя каталога перевода, например Japanese или German, или имя локали, например de_AT.</translation>
    </message>
    <message>
        <source>corvane-tool: the desktop tool needs a display (a desktop session, or ssh -X); for the command line see corvane --help</source>
        <translation>corvane-tool: настольному инструменту нужен дисплей (сеанс рабочего стола или ssh -X); о командной строке см. corvane --help</translation>
    </message>
</context>
<context>
    <name>DeviceListDialog</name>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>No</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Configuration(Web)</source>
        <translation>Веб-настройка</translation>
    </message>
    <message>
        <source>BSS Info</source>
        <translation>Информация о BSS</translation>
    </message>
    <message>
        <source>Certificate upload</source>
        <translation>Загрузка сертификата</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printer to restart its network…</source>
        <translation>Ожидание %1 с, пока принтер перезапускает сеть…</translation>
    </message>
    <message>
        <source>The printer %1 did not answer this search.</source>
        <translation>Принтер %1 не ответил на этот поиск.</translation>
    </message>
    <message>
        <source>This printer does not support changing its settings from the list.</source>
        <translation>Этот принтер не поддерживает изменение настроек из списка.</translation>
    </message>
    <message>
        <source>This printer does not support a web page.</source>
        <translation>Этот принтер не поддерживает веб-страницу.</translation>
    </message>
    <message>
        <source>This printer does not support the access point survey.</source>
        <translation>Этот принтер не поддерживает поиск точек доступа.</translation>
    </message>
    <message>
        <source>Printers found</source>
        <translation>Найденные принтеры</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found.</source>
        <translation>
            <numerusform>Найден %n принтер.</numerusform>
            <numerusform>Найдено %n принтера.</numerusform>
            <numerusform>Найдено %n принтеров.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found on %1.</source>
        <translation>
            <numerusform>Через %1 найден %n принтер.</numerusform>
            <numerusform>Через %1 найдено %n принтера.</numerusform>
            <numerusform>Через %1 найдено %n принтеров.</numerusform>
        </translation>
    </message>
    <message>
        <source>Test print</source>
        <translation>Пробная печать</translation>
    </message>
    <message>
        <source>Prints a test page on the chosen printer over the network.</source>
        <translation>Печатает пробную страницу на выбранном принтере по сети.</translation>
    </message>
    <message>
        <source>Test page sent to %1.</source>
        <translation>Пробная страница отправлена на %1.</translation>
    </message>
    <message>
        <source>The test page was not sent to %1: %2</source>
        <translation>Пробная страница не отправлена на %1: %2</translation>
    </message>
</context>
<context>
    <name>DeviceListExport</name>
    <message>
        <source>Export...</source>
        <translation>Экспорт...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Export the list</source>
        <translation>Экспорт списка</translation>
    </message>
    <message>
        <source>CSV (*.csv);;JSON (*.json)</source>
        <translation>CSV (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2</source>
        <translation>Не удалось записать список в %1: %2</translation>
    </message>
    <message>
        <source>The printers in the list&apos;s order, or only the chosen ones when several are chosen.</source>
        <translation>Принтеры в порядке списка или только выбранные, если выбрано несколько.</translation>
    </message>
</context>
<context>
    <name>DirectConfigDialog</name>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Printer Type</source>
        <translation>Тип принтера</translation>
    </message>
    <message>
        <source>POS</source>
        <translation>POS</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другой</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Последовательный порт</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>This printer don&apos;t match our company name.</source>
        <translation>Название производителя этого принтера не совпадает с названием нашей компании.</translation>
    </message>
    <message>
        <source>Include secrets</source>
        <translation>Включить секретные данные</translation>
    </message>
    <message>
        <source>Export profile…</source>
        <translation>Экспорт профиля…</translation>
    </message>
    <message>
        <source>Import profile…</source>
        <translation>Импорт профиля…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>Профили (*.json);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Импорт профиля</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Экспорт профиля</translation>
    </message>
    <message>
        <source>The profile could not be saved:
%1</source>
        <translation>Не удалось сохранить профиль:
%1</translation>
    </message>
    <message>
        <source>The profile has been saved to %1 with its keys and passwords.
Only you can read the file.</source>
        <translation>Профиль вместе с ключами и паролями сохранён в %1.
Читать этот файл можете только вы.</translation>
    </message>
    <message>
        <source>The profile has been saved to %1.
Keys, passwords and the PIN were left out; importing the profile asks for them.</source>
        <translation>Профиль сохранён в %1.
Ключи, пароли и PIN-код в него не включены; они будут запрошены при импорте профиля.</translation>
    </message>
    <message>
        <source>The profile %1 cannot be imported:
%2</source>
        <translation>Не удаётся импортировать профиль %1:
%2</translation>
    </message>
    <message>
        <source>The profile was not imported; nothing has changed.
%1</source>
        <translation>Профиль не импортирован; ничего не изменилось.
%1</translation>
    </message>
    <message>
        <source>The profile has been imported. Check the pages, then press Save to write it to the printer.</source>
        <translation>Профиль импортирован. Проверьте страницы, затем нажмите «Сохранить», чтобы записать его в принтер.</translation>
    </message>
    <message>
        <source>This printer has no %1; those settings were left out.</source>
        <translation>У этого принтера нет параметров %1; эти настройки пропущены.</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Не подключено</translation>
    </message>
    <message>
        <source>Connected: %1 — firmware %2, %3</source>
        <translation>Подключено: %1 — прошивка %2, %3</translation>
    </message>
    <message>
        <source>newer layout</source>
        <translation>новый формат записи</translation>
    </message>
    <message>
        <source>older layout</source>
        <translation>старый формат записи</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>Открытие %1…</translation>
    </message>
    <message>
        <source>Checking the printer… attempt %1 of %2</source>
        <translation>Проверка принтера… попытка %1 из %2</translation>
    </message>
    <message>
        <source>Reading the printer&apos;s settings…</source>
        <translation>Чтение настроек принтера…</translation>
    </message>
    <message>
        <source>Saving the settings…</source>
        <translation>Сохранение настроек…</translation>
    </message>
    <message>
        <source>Surveying the access points…</source>
        <translation>Поиск точек доступа…</translation>
    </message>
    <message>
        <source>Uploading the certificate… part %1 of %2</source>
        <translation>Загрузка сертификата… часть %1 из %2</translation>
    </message>
    <message>
        <source>Include fixed address</source>
        <translation>Включить постоянный адрес</translation>
    </message>
    <message>
        <source>Put this printer&apos;s address assignment (DHCP or fixed), IP address, subnet mask and gateway in the exported profile, for a printer that replaces it.</source>
        <translation>Включает в экспортируемый профиль способ назначения адреса этого принтера (DHCP или фиксированный), IP-адрес, маску подсети и шлюз — для принтера, который его заменит.</translation>
    </message>
    <message>
        <source>Put keys, passwords, the PIN and the SNMP write community in the exported profile; the file is then readable by you alone.</source>
        <translation>Включает в экспортируемый профиль ключи, пароли, PIN-код и сообщество SNMP для записи; файл сможете читать только вы.</translation>
    </message>
    <message>
        <source>The printer confirmed the settings, but reading them back shows other values for: %1</source>
        <translation>Принтер подтвердил настройки, но при повторном чтении видны другие значения для: %1</translation>
    </message>
    <message>
        <source>The printer did not confirm the change, but it may have taken it. Connect again to see what it holds before trying again.</source>
        <translation>Принтер не подтвердил изменение, но мог его принять. Прежде чем пробовать снова, подключитесь ещё раз и посмотрите, что в нём записано.</translation>
    </message>
</context>
<context>
    <name>FindAtAddress</name>
    <message>
        <source>Find at address</source>
        <translation>Поиск по адресу</translation>
    </message>
    <message>
        <source>Addresses to ask, such as 10.0.5.20, 10.0.5.1-40 or 10.0.5.7,10.0.6.1-9:</source>
        <translation>Адреса для опроса, например 10.0.5.20, 10.0.5.1-40 или 10.0.5.7,10.0.6.1-9:</translation>
    </message>
    <message>
        <source>These addresses cannot be asked: %1</source>
        <translation>Эти адреса нельзя опросить: %1</translation>
    </message>
    <message>
        <source>Find at address...</source>
        <translation>Поиск по адресу...</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The change was made, but it could not be added to the history: %1</source>
        <translation>Изменение внесено, но его не удалось добавить в журнал: %1</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>не удаётся создать папку %1: %2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>не является объектом JSON</translation>
    </message>
    <message>
        <source>no valid time</source>
        <translation>нет допустимого времени</translation>
    </message>
    <message>
        <source>no outcome or no list of changes</source>
        <translation>нет результата или списка изменений</translation>
    </message>
    <message>
        <source>a change without a field name</source>
        <translation>изменение без имени поля</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>не удаётся открыть %1: %2</translation>
    </message>
    <message>
        <source>%1 stayed locked by another program</source>
        <translation>файл %1 по-прежнему заблокирован другой программой</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>line %1 of %2 skipped: %3</source>
        <translation>строка %1 файла %2 пропущена: %3</translation>
    </message>
    <message>
        <source>The change may have reached the printer, but it could not be added to the history: %1</source>
        <translation>Изменение могло дойти до принтера, но его не удалось добавить в журнал: %1</translation>
    </message>
    <message>
        <source>The failed attempt could not be added to the history: %1</source>
        <translation>Неудачную попытку не удалось добавить в журнал: %1</translation>
    </message>
    <message>
        <source>The change could not be added to the history: %1</source>
        <translation>Изменение не удалось добавить в журнал: %1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the history is not written through links</source>
        <translation>%1 — символическая ссылка; журнал не записывается через ссылки</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 не является обычным файлом</translation>
    </message>
    <message>
        <source>cannot read %1: %2 is not a folder</source>
        <translation>не удаётся прочитать %1: %2 не является папкой</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Export CSV</source>
        <translation>Экспорт в CSV</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv);;All files (*)</source>
        <translation>Значения, разделённые запятыми (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>History of changes</source>
        <translation>Журнал изменений</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Принтер</translation>
    </message>
    <message>
        <source>All printers</source>
        <translation>Все принтеры</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Время (UTC)</translation>
    </message>
    <message>
        <source>Front end</source>
        <translation>Интерфейс</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Way in</source>
        <translation>Способ подключения</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Изменения</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Экспорт в CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>The history could not be exported:
%1</source>
        <translation>Не удалось экспортировать журнал:
%1</translation>
    </message>
</context>
<context>
    <name>Ipv4AddressEdit</name>
    <message>
        <source>This mask is not a run of ones followed by zeros (such as 255.255.255.0).</source>
        <translation>Эта маска не является последовательностью единиц, за которой следуют нули (например, 255.255.255.0).</translation>
    </message>
    <message>
        <source>This is the network address of the subnet its mask spans; no device can use it.</source>
        <translation>Это адрес сети подсети, заданной маской; ни одно устройство не может его использовать.</translation>
    </message>
    <message>
        <source>This is the broadcast address of the subnet its mask spans; no device can use it.</source>
        <translation>Это широковещательный адрес подсети, заданной маской; ни одно устройство не может его использовать.</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>%1, part %2 of 4</source>
        <translation>%1, часть %2 из 4</translation>
    </message>
    <message>
        <source>0 to 255</source>
        <translation>от 0 до 255</translation>
    </message>
</context>
<context>
    <name>LanEndpoints</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address or a range A.B.C.D-E</source>
        <translation>«%1» — не адрес IPv4 и не диапазон A.B.C.D-E</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; ends before it starts</source>
        <translation>диапазон «%1» заканчивается раньше, чем начинается</translation>
    </message>
    <message>
        <source>more than %1 addresses</source>
        <translation>больше %1 адресов</translation>
    </message>
    <message>
        <source>the list has an empty entry (two commas in a row, or one at an end)</source>
        <translation>в списке есть пустой элемент (две запятые подряд или одна в начале или в конце)</translation>
    </message>
</context>
<context>
    <name>LanSendChecks</name>
    <message>
        <source>The subnet mask %1 is not contiguous: its ones must all come before its zeros.</source>
        <translation>Маска подсети %1 не является непрерывной: все единицы должны стоять перед нулями.</translation>
    </message>
    <message>
        <source>The IP address %1 is the network address of its subnet; no device can use it.</source>
        <translation>IP-адрес %1 является адресом сети своей подсети; ни одно устройство не может его использовать.</translation>
    </message>
    <message>
        <source>The IP address %1 is the broadcast address of its subnet; no device can use it.</source>
        <translation>IP-адрес %1 является широковещательным адресом своей подсети; ни одно устройство не может его использовать.</translation>
    </message>
    <message>
        <source>The IP address %1 is reserved (%2) and cannot be a printer&apos;s address.</source>
        <translation>IP-адрес %1 зарезервирован (%2) и не может быть адресом принтера.</translation>
    </message>
    <message>
        <source>The gateway %1 is outside the subnet %2 of the IP address; the printer could not reach it.</source>
        <translation>Шлюз %1 находится вне подсети %2 IP-адреса; принтер не сможет к нему обратиться.</translation>
    </message>
    <message>
        <source>The IP address %1 is already used by the printer %2 in the list.</source>
        <translation>IP-адрес %1 уже используется принтером %2 из списка.</translation>
    </message>
    <message>
        <source>The IP address %1 is outside the subnet %2 of this computer&apos;s address %3: this computer will no longer reach the printer without a route.</source>
        <translation>IP-адрес %1 находится вне подсети %2 адреса этого компьютера %3: без маршрута этот компьютер больше не сможет связаться с принтером.</translation>
    </message>
</context>
<context>
    <name>LanSettingsDialog</name>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Network Setting</source>
        <translation>Настройка сети</translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation>IP-адрес:</translation>
    </message>
    <message>
        <source>Subnet Mask :</source>
        <translation>Маска подсети:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Шлюз:</translation>
    </message>
    <message>
        <source>Local Port :</source>
        <translation>Локальный порт:</translation>
    </message>
    <message>
        <source> (0 ~ 32767)</source>
        <translation> (0 ~ 32767)</translation>
    </message>
    <message>
        <source>Inactivity time :
(0 ~ 3600)    </source>
        <translation>Время бездействия:
(0 ~ 3600)    </translation>
    </message>
    <message>
        <source>sec (Default: 0)</source>
        <translation>с (по умолчанию: 0)</translation>
    </message>
    <message>
        <source>DHCP Mode</source>
        <translation>Режим DHCP</translation>
    </message>
    <message>
        <source>Device Baudrate :</source>
        <translation>Скорость устройства (бод):</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>Настройка WLAN</translation>
    </message>
    <message>
        <source>Ethernet Configuration</source>
        <translation>Настройка Ethernet</translation>
    </message>
    <message>
        <source>TCP port, up to 32767</source>
        <translation>TCP-порт, не более 32767</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>Секунды, от 0 до 3600</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>Версия прошивки:</translation>
    </message>
    <message>
        <source>The settings to be sent give these warnings:</source>
        <translation>Для отправляемых настроек есть следующие предупреждения:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Всё равно сохранить</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>The settings to be sent conflict with the network or another printer:</source>
        <translation>Отправляемые настройки конфликтуют с сетью или другим принтером:</translation>
    </message>
    <message>
        <source>Save despite the conflicts</source>
        <translation>Сохранить, несмотря на конфликты</translation>
    </message>
</context>
<context>
    <name>LauncherDialog</name>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Ethernet Configuration
(Ethernet)</source>
        <translation>Настройка Ethernet
(Ethernet)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(WLAN)</source>
        <translation>Настройка WLAN
(WLAN)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(USB)</source>
        <translation>Настройка WLAN
(USB)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>О программе...</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Журнал…</translation>
    </message>
</context>
<context>
    <name>LocalAddressDialog</name>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>IP Address - </source>
        <translation>IP-адрес - </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Addresses of this computer</source>
        <translation>Адреса этого компьютера</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>Все адреса</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Network Mode</source>
        <translation>Режим сети</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>Инфраструктура</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>Ad-hoc</translation>
    </message>
    <message>
        <source>Ad Hoc Channel</source>
        <translation>Канал Ad-hoc</translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <translation>Wi-Fi Direct</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Conn Mode</source>
        <translation>Режим подключения</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN-код</translation>
    </message>
    <message>
        <source>IP Assignment Method</source>
        <translation>Способ назначения IP-адреса</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>Автоматически (DHCP)</translation>
    </message>
    <message>
        <source>Manual Allocation</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>Network Setting</source>
        <translation>Настройка сети</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Inactivity Time (0~3600)</source>
        <translation>Время бездействия (0~3600)</translation>
    </message>
    <message>
        <source>Sec (Default: 0)</source>
        <translation>с (по умолчанию: 0)</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>Channel, 1 to 14</source>
        <translation>Канал, от 1 до 14</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>Секунды, от 0 до 3600</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>Permission denied: add your user to the &apos;dialout&apos; group (serial) or &apos;lp&apos; group (USB printer), then log in again</source>
        <translation>Доступ запрещён: добавьте своего пользователя в группу &apos;dialout&apos; (последовательный порт) или &apos;lp&apos; (USB-принтер), затем войдите в систему заново</translation>
    </message>
    <message>
        <source>Your user needs to be in the group &apos;%1&apos; that owns %2: run &quot;sudo usermod -aG %1 $USER&quot;, then log in again.</source>
        <translation>Ваш пользователь должен входить в группу &apos;%1&apos;, которой принадлежит %2: выполните &quot;sudo usermod -aG %1 $USER&quot;, затем войдите в систему заново.</translation>
    </message>
    <message>
        <source>No printer is ready on this line: its DSR or CTS signal is off.</source>
        <translation>На этой линии нет готового принтера: сигнал DSR или CTS неактивен.</translation>
    </message>
    <message>
        <source>The port does not take the printer&apos;s line settings (115200 baud, 8 data bits, no parity, 1 stop bit, RTS/CTS).</source>
        <translation>Порт не поддерживает параметры линии принтера (115200 бод, 8 бит данных, без чётности, 1 стоповый бит, RTS/CTS).</translation>
    </message>
    <message>
        <source>The device is in use by another program.</source>
        <translation>Устройство занято другой программой.</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>поле &quot;%1&quot; должно быть текстом</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number</source>
        <translation>поле &quot;%1&quot; должно быть целым числом</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a dotted IPv4 address such as &quot;192.168.0.10&quot;</source>
        <translation>поле &quot;%1&quot; должно содержать IPv4-адрес с точками, например &quot;192.168.0.10&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a value of the wrong kind</source>
        <translation>поле &quot;%1&quot; имеет значение неверного типа</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than its %2 bytes</source>
        <translation>поле &quot;%1&quot; длиннее допустимых %2 байт</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not contain a zero character</source>
        <translation>поле &quot;%1&quot; не должно содержать нулевой символ</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from 0 to %2</source>
        <translation>поле &quot;%1&quot; должно быть целым числом от 0 до %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to one printer and is never part of a profile</source>
        <translation>поле &quot;%1&quot; относится к конкретному принтеру и никогда не входит в профиль</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a profile</source>
        <translation>&quot;%1&quot; не является параметром профиля</translation>
    </message>
    <message>
        <source>not valid JSON (%1 at offset %2)</source>
        <translation>недопустимый JSON (%1, смещение %2)</translation>
    </message>
    <message>
        <source>the file must hold one JSON object</source>
        <translation>файл должен содержать один объект JSON</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot; (a profile holds &quot;format&quot; and &quot;config&quot;)</source>
        <translation>неизвестный ключ &quot;%1&quot; (профиль содержит &quot;format&quot; и &quot;config&quot;)</translation>
    </message>
    <message>
        <source>&quot;format&quot; must be &quot;%1&quot;</source>
        <translation>значение &quot;format&quot; должно быть &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file has no &quot;config&quot; object</source>
        <translation>в файле нет объекта &quot;config&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: Wi-Fi Direct needs a printer with the newer record layout</source>
        <translation>&quot;%1&quot;: для Wi-Fi Direct нужен принтер с новым форматом записи</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears more than once</source>
        <translation>ключ «%1» встречается более одного раза</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a secret; a secrets file holds only %2</source>
        <translation>«%1» не является секретными данными; файл секретных данных содержит только %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the profile would fix this DHCP printer at the address it holds now; a profile that changes the address assignment needs the address too (export with the address)</source>
        <translation>«%1»: профиль закрепил бы этот принтер с DHCP за его текущим адресом; профилю, который меняет способ назначения адреса, нужен и сам адрес (экспортируйте вместе с адресом)</translation>
    </message>
</context>
<context>
    <name>ProtocolPage</name>
    <message>
        <source>Task State</source>
        <translation>Состояние служб</translation>
    </message>
    <message>
        <source>HTTPS</source>
        <translation>HTTPS</translation>
    </message>
    <message>
        <source>TELNET</source>
        <translation>TELNET</translation>
    </message>
    <message>
        <source>FTP</source>
        <translation>FTP</translation>
    </message>
    <message>
        <source>SNMP</source>
        <translation>SNMP</translation>
    </message>
    <message>
        <source>Community Name (Read):</source>
        <translation>Имя сообщества (чтение):</translation>
    </message>
    <message>
        <source>Community Name (Write):</source>
        <translation>Имя сообщества (запись):</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>IP-адрес для Trap</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>Сообщество Trap</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Search...</source>
        <translation>Поиск...</translation>
    </message>
    <message>
        <source>Searching.</source>
        <translation>Идёт поиск.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>SecretToggle</name>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Show or hide what is typed</source>
        <translation>Показать или скрыть введённый текст</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Показать: %1</translation>
    </message>
</context>
<context>
    <name>SecretsDialog</name>
    <message>
        <source>WEP Key</source>
        <translation>Ключ WEP</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>Ключ PSK</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN-код</translation>
    </message>
    <message>
        <source>The profile leaves out these secrets. Enter them for this printer:</source>
        <translation>В профиле нет этих секретных данных. Введите их для этого принтера:</translation>
    </message>
</context>
<context>
    <name>SecurityPage</name>
    <message>
        <source>Authentication</source>
        <translation>Аутентификация</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>Открытая система</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>Общий ключ</translation>
    </message>
    <message>
        <source>WPA-PSK</source>
        <translation>WPA-PSK</translation>
    </message>
    <message>
        <source>WPA2-PSK</source>
        <translation>WPA2-PSK</translation>
    </message>
    <message>
        <source>WPA</source>
        <translation>WPA</translation>
    </message>
    <message>
        <source>WPA2</source>
        <translation>WPA2</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Шифрование</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>НЕТ</translation>
    </message>
    <message>
        <source>WEP64/128</source>
        <translation>WEP64/128</translation>
    </message>
    <message>
        <source>TKIP</source>
        <translation>TKIP</translation>
    </message>
    <message>
        <source>AES</source>
        <translation>AES</translation>
    </message>
    <message>
        <source>AES + TKIP</source>
        <translation>AES + TKIP</translation>
    </message>
    <message>
        <source>EAP</source>
        <translation>EAP</translation>
    </message>
    <message>
        <source>EAP-PEAP</source>
        <translation>EAP-PEAP</translation>
    </message>
    <message>
        <source>EAP-TTLS</source>
        <translation>EAP-TTLS</translation>
    </message>
    <message>
        <source>EAP-TLS</source>
        <translation>EAP-TLS</translation>
    </message>
    <message>
        <source>EAP-LEAP</source>
        <translation>EAP-LEAP</translation>
    </message>
    <message>
        <source>EAP-FAST</source>
        <translation>EAP-FAST</translation>
    </message>
    <message>
        <source>WEP Key</source>
        <translation>Ключ WEP</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>Ключ PSK</translation>
    </message>
    <message>
        <source>Authentication ID</source>
        <translation>ID аутентификации</translation>
    </message>
    <message>
        <source>Authentication Password</source>
        <translation>Пароль аутентификации</translation>
    </message>
</context>
<context>
    <name>SettingsSummaryDialog</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>No</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>Имя принтера</translation>
    </message>
    <message>
        <source>Printer Port Num</source>
        <translation>Номер порта принтера</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>ID пользователя</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>Пароль пользователя</translation>
    </message>
    <message>
        <source>Https</source>
        <translation>HTTPS</translation>
    </message>
    <message>
        <source>Telnet</source>
        <translation>Telnet</translation>
    </message>
    <message>
        <source>Ftp</source>
        <translation>FTP</translation>
    </message>
    <message>
        <source>Snmp</source>
        <translation>SNMP</translation>
    </message>
    <message>
        <source>Set Community</source>
        <translation>Имя сообщества (запись)</translation>
    </message>
    <message>
        <source>Get Community</source>
        <translation>Имя сообщества (чтение)</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>IP-адрес для Trap</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>Сообщество Trap</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Режим сети</translation>
    </message>
    <message>
        <source>Adhoc Channel</source>
        <translation>Канал Ad-hoc</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>Время бездействия</translation>
    </message>
    <message>
        <source>IP Assignment method</source>
        <translation>Способ назначения IP-адреса</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Аутентификация</translation>
    </message>
    <message>
        <source>Cryptograph</source>
        <translation>Шифрование</translation>
    </message>
    <message>
        <source>WEP Key</source>
        <translation>Ключ WEP</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>Ключ PSK</translation>
    </message>
    <message>
        <source>EAP Mode</source>
        <translation>Режим EAP</translation>
    </message>
    <message>
        <source>Auth ID</source>
        <translation>ID аутентификации</translation>
    </message>
    <message>
        <source>Auth Password/Certification Key(EAP-TLS)</source>
        <translation>Пароль аутентификации/ключ сертификата (EAP-TLS)</translation>
    </message>
    <message>
        <source>P2P Conn Mode</source>
        <translation>Режим подключения P2P</translation>
    </message>
    <message>
        <source>P2P Channel</source>
        <translation>Канал P2P</translation>
    </message>
    <message>
        <source>P2P Pin Code</source>
        <translation>PIN-код P2P</translation>
    </message>
    <message>
        <source>Settings written to the printer</source>
        <translation>Настройки, записанные в принтер</translation>
    </message>
    <message>
        <source>&amp;Show secrets</source>
        <translation>&amp;Показать секретные данные</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Copies every row, tab-separated, as shown</source>
        <translation>Копирует все строки в показанном виде, разделяя значения табуляцией</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The BSS information has been imported successfully.</source>
        <translation>Информация о BSS успешно получена.</translation>
    </message>
    <message>
        <source>Failed to import the BSS information.
Please check the IP address or port number to connect to.</source>
        <translation>Не удалось получить информацию о BSS.
Проверьте IP-адрес или номер порта для подключения.</translation>
    </message>
    <message>
        <source>Failed to connect to the printer.</source>
        <translation>Не удалось подключиться к принтеру.</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Reset the printer.</source>
        <translation>Настройка завершена.
Перезапустите принтер.</translation>
    </message>
    <message>
        <source>The configuration has failed.</source>
        <translation>Не удалось выполнить настройку.</translation>
    </message>
    <message>
        <source>Unable to open the port.</source>
        <translation>Не удалось открыть порт.</translation>
    </message>
    <message>
        <source>The User ID is incorrect.
Please try again.</source>
        <translation>Неверный ID пользователя.
Повторите попытку.</translation>
    </message>
    <message>
        <source>The Password is incorrect.
Please try again.</source>
        <translation>Неверный пароль.
Повторите попытку.</translation>
    </message>
    <message>
        <source>The system name is incorrect.
Please try again.</source>
        <translation>Неверное имя системы.
Повторите попытку.</translation>
    </message>
    <message>
        <source>The port number is incorrect.
Please try again.</source>
        <translation>Неверный номер порта.
Повторите попытку.</translation>
    </message>
    <message>
        <source>The community name is incorrect.
Please try again.</source>
        <translation>Неверное имя сообщества.
Повторите попытку.</translation>
    </message>
    <message>
        <source>The trap community is incorrect.
Please try again.</source>
        <translation>Неверное сообщество Trap.
Повторите попытку.</translation>
    </message>
    <message>
        <source>The Adhoc channel is incorrect.
Please try again.</source>
        <translation>Неверный канал Ad-hoc.
Повторите попытку.</translation>
    </message>
    <message>
        <source>The SSID is incorrect.
Please try again.</source>
        <translation>Неверный SSID.
Повторите попытку.</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
Please try again.</source>
        <translation>Неверный ключ PSK.
Повторите попытку.</translation>
    </message>
    <message>
        <source>The certificate ID is incorrect.
Please try again.</source>
        <translation>Неверный ID сертификата.
Повторите попытку.</translation>
    </message>
    <message>
        <source>The certificate password is incorrect.
Please try again.</source>
        <translation>Неверный пароль сертификата.
Повторите попытку.</translation>
    </message>
    <message>
        <source>The printer has been connected successfully.</source>
        <translation>Принтер успешно подключён.</translation>
    </message>
    <message>
        <source>The certificate document has been uploaded successfully.
Reset the printer.</source>
        <translation>Файл сертификата успешно загружен.
Перезапустите принтер.</translation>
    </message>
    <message>
        <source>Failed to upload the certificate document.
Reset the printer.</source>
        <translation>Не удалось загрузить файл сертификата.
Перезапустите принтер.</translation>
    </message>
    <message>
        <source>The maximum size of a certificate file is 3KB.</source>
        <translation>Максимальный размер файла сертификата — 3 КБ.</translation>
    </message>
    <message>
        <source>The certificate file is selected.</source>
        <translation>Файл сертификата выбран.</translation>
    </message>
    <message>
        <source>The certificate file is invalid.</source>
        <translation>Недопустимый файл сертификата.</translation>
    </message>
    <message>
        <source>No certificate file is selected or the selected file is invalid.</source>
        <translation>Файл сертификата не выбран или выбранный файл недопустим.</translation>
    </message>
    <message>
        <source>The Adhoc mode is not available.
Authentication is allowed in either Open System or Shared Key.</source>
        <translation>Режим Ad-hoc недоступен.
Допускается только аутентификация «Открытая система» или «Общий ключ».</translation>
    </message>
    <message>
        <source>Failed to read the certificate file.</source>
        <translation>Не удалось прочитать файл сертификата.</translation>
    </message>
    <message>
        <source>Please select a device in the list.</source>
        <translation>Выберите устройство в списке.</translation>
    </message>
    <message>
        <source>Please search for a device again.</source>
        <translation>Выполните поиск устройств ещё раз.</translation>
    </message>
    <message>
        <source>Error: Failed to read the list of information.</source>
        <translation>Ошибка: не удалось прочитать список сведений.</translation>
    </message>
    <message>
        <source>Please check the IP address or port number.</source>
        <translation>Проверьте IP-адрес или номер порта.</translation>
    </message>
    <message>
        <source>The specified port is not available.
Please enter a port number again.</source>
        <translation>Указанный порт недоступен.
Введите номер порта ещё раз.</translation>
    </message>
    <message>
        <source>The IP address cannot be used.
Please enter an IP address again.</source>
        <translation>Этот IP-адрес нельзя использовать.
Введите IP-адрес ещё раз.</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>Настройка завершена.
Если список не обновился, выполните поиск устройств ещё раз.</translation>
    </message>
    <message>
        <source>The WLAN configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>Настройка WLAN завершена.
Если список не обновился, выполните поиск устройств ещё раз.</translation>
    </message>
    <message>
        <source>Unable to configure the port.
Please enter a port number again.(0~32767)</source>
        <translation>Не удалось настроить порт.
Введите номер порта ещё раз (0~32767).</translation>
    </message>
    <message>
        <source>Unable to save the configuration.
Please configure again.</source>
        <translation>Не удалось сохранить настройки.
Выполните настройку ещё раз.</translation>
    </message>
    <message>
        <source>The time has not been set.
Please enter time again.</source>
        <translation>Время не задано.
Введите время ещё раз.</translation>
    </message>
    <message>
        <source>The channel number has not been set.
Please enter a channel number again.(0~14)</source>
        <translation>Номер канала не задан.
Введите номер канала ещё раз (0~14).</translation>
    </message>
    <message>
        <source>Network is in Adhoc mode.
You must assign IP address manually.</source>
        <translation>Сеть работает в режиме Ad-hoc.
IP-адрес необходимо назначить вручную.</translation>
    </message>
    <message>
        <source>Unable to connect to the USB device.</source>
        <translation>Не удалось подключиться к USB-устройству.</translation>
    </message>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Now Searching</source>
        <translation>Идёт поиск</translation>
    </message>
    <message>
        <source>System &amp; Information</source>
        <translation>Система и информация</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <translation>Информация о BSS</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Аутентификация</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Протокол</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>Открытая система</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>Общий ключ</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>НЕТ</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>Инфраструктура</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>Ad-hoc</translation>
    </message>
    <message>
        <source>Manual allocation</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>Автоматически (DHCP)</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>WPA-PSK</source>
        <translation>WPA-PSK</translation>
    </message>
    <message>
        <source>WPA2-PSK</source>
        <translation>WPA2-PSK</translation>
    </message>
    <message>
        <source>WPA</source>
        <translation>WPA</translation>
    </message>
    <message>
        <source>WPA2</source>
        <translation>WPA2</translation>
    </message>
    <message>
        <source>WEP64</source>
        <translation>WEP64</translation>
    </message>
    <message>
        <source>WEP128</source>
        <translation>WEP128</translation>
    </message>
    <message>
        <source>TKIP</source>
        <translation>TKIP</translation>
    </message>
    <message>
        <source>AES</source>
        <translation>AES</translation>
    </message>
    <message>
        <source>AES + TKIP</source>
        <translation>AES + TKIP</translation>
    </message>
    <message>
        <source>EAP-PEAP</source>
        <translation>EAP-PEAP</translation>
    </message>
    <message>
        <source>EAP-TTLS</source>
        <translation>EAP-TTLS</translation>
    </message>
    <message>
        <source>EAP-TLS</source>
        <translation>EAP-TLS</translation>
    </message>
    <message>
        <source>EAP-LEAP</source>
        <translation>EAP-LEAP</translation>
    </message>
    <message>
        <source>EAP-FAST</source>
        <translation>EAP-FAST</translation>
    </message>
    <message>
        <source>Authentication Password</source>
        <translation>Пароль аутентификации</translation>
    </message>
    <message>
        <source>Certification Password</source>
        <translation>Пароль сертификата</translation>
    </message>
    <message>
        <source>Incorrect PIN. Please re-enter your PIN Code.</source>
        <translation>Неверный PIN-код. Введите PIN-код ещё раз.</translation>
    </message>
    <message>
        <source>Currently no network connection is found. Check the network connection.</source>
        <translation>Сетевое подключение не найдено. Проверьте сетевое подключение.</translation>
    </message>
    <message>
        <source>The text is too long for the printer.
Please shorten it (some characters take more than one byte).</source>
        <translation>Текст слишком длинный для принтера.
Сократите его (некоторые символы занимают больше одного байта).</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
It must be 8 to 63 printable ASCII characters or 64 hexadecimal digits.</source>
        <translation>Неверный ключ PSK.
Ключ должен содержать от 8 до 63 печатаемых символов ASCII или 64 шестнадцатеричные цифры.</translation>
    </message>
    <message>
        <source>This setting cannot be chosen together with the other settings.
Please check the settings and try again.</source>
        <translation>Этот параметр нельзя выбрать вместе с остальными параметрами.
Проверьте параметры и повторите попытку.</translation>
    </message>
    <message>
        <source>The search could not start.
%1</source>
        <translation>Не удалось начать поиск.
%1</translation>
    </message>
    <message>
        <source>The settings could not be sent.
%1</source>
        <translation>Не удалось отправить настройки.
%1</translation>
    </message>
    <message>
        <source>The local address %1 cannot be used.</source>
        <translation>Локальный адрес %1 нельзя использовать.</translation>
    </message>
    <message>
        <source>The local UDP port %1 cannot be used.</source>
        <translation>Локальный UDP-порт %1 нельзя использовать.</translation>
    </message>
    <message>
        <source>The request could not leave this computer: %1</source>
        <translation>Не удалось отправить запрос с этого компьютера: %1</translation>
    </message>
    <message>
        <source>No web browser could be opened.
Please open this address in a web browser:
%1</source>
        <translation>Не удалось открыть веб-браузер.
Откройте этот адрес в веб-браузере:
%1</translation>
    </message>
    <message>
        <source>The printer has no IP address configured.
Its web page cannot be opened.</source>
        <translation>У принтера не задан IP-адрес.
Его веб-страницу открыть нельзя.</translation>
    </message>
    <message>
        <source>This printer does not offer Setting (feature code %1).</source>
        <translation>Этот принтер не поддерживает функцию «Настройка» (код функций %1).</translation>
    </message>
    <message>
        <source>Discard the changes made since Connect?</source>
        <translation>Отклонить изменения, сделанные после подключения?</translation>
    </message>
    <message>
        <source>WEP Key is invalid.
WEP Key must be 5 or 13 characters, or 10 or 26 hexadecimal digits.</source>
        <translation>Недопустимый ключ WEP.
Ключ WEP должен содержать 5 или 13 символов либо 10 или 26 шестнадцатеричных цифр.</translation>
    </message>
    <message>
        <source>Certification</source>
        <translation>Сертификат</translation>
    </message>
    <message>
        <source>The subnet mask is not valid: its ones must all come before its zeros.
Please enter the subnet mask again.</source>
        <translation>Неверная маска подсети: все единицы должны стоять перед нулями.
Введите маску подсети ещё раз.</translation>
    </message>
    <message>
        <source>UDP port %1 is in use by another program.</source>
        <translation>UDP-порт %1 занят другой программой.</translation>
    </message>
    <message>
        <source>The requests cannot be kept to interface %1: %2</source>
        <translation>Не удаётся ограничить запросы интерфейсом %1: %2</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>Имя принтера</translation>
    </message>
    <message>
        <source>Printer Port Num (0 ~ 32767)</source>
        <translation>Номер порта принтера (0 ~ 32767)</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>ID пользователя</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>Пароль пользователя</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Подтверждение пароля</translation>
    </message>
    <message>
        <source>Firmware Information</source>
        <translation>Сведения о прошивке</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>Версия прошивки:</translation>
    </message>
    <message>
        <source>Update Date :</source>
        <translation>Дата обновления:</translation>
    </message>
    <message>
        <source>Mac Address :</source>
        <translation>MAC-адрес:</translation>
    </message>
    <message>
        <source>TCP port, 0 to 32767</source>
        <translation>TCP-порт, от 0 до 32767</translation>
    </message>
</context>
<context>
    <name>VerificationNote</name>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>subnet mask</source>
        <translation>маска подсети</translation>
    </message>
    <message>
        <source>gateway</source>
        <translation>шлюз</translation>
    </message>
    <message>
        <source>port</source>
        <translation>порт</translation>
    </message>
    <message>
        <source>inactivity time</source>
        <translation>время бездействия</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>baud rate code</source>
        <translation>код скорости (бод)</translation>
    </message>
    <message>
        <source>Not verified: the printer did not answer the search after the change.</source>
        <translation>Не проверено: принтер не ответил на поиск после изменения.</translation>
    </message>
    <message>
        <source>Verified: now at %1, port %2</source>
        <translation>Проверено: теперь по адресу %1, порт %2</translation>
    </message>
    <message>
        <source>%1 %2 instead of %3</source>
        <translation>%1 %2 вместо %3</translation>
    </message>
    <message>
        <source>Not verified: the printer reports %1.</source>
        <translation>Не проверено: принтер сообщает %1.</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>Не проверено: проверка отменена.</translation>
    </message>
    <message>
        <source>Not verified: DHCP is on and the printer has no address yet.</source>
        <translation>Не проверено: DHCP включён, а у принтера ещё нет адреса.</translation>
    </message>
</context>
<context>
    <name>corvane::app::LauncherDialog</name>
    <message>
        <source>Provision printers...</source>
        <translation>Настройка нескольких принтеров...</translation>
    </message>
</context>
<context>
    <name>corvane::lan::AssignAddressesDialog</name>
    <message>
        <source>Assign addresses</source>
        <translation>Назначить адреса</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>Первый адрес</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>Gateway (optional)</source>
        <translation>Шлюз (необязательно)</translation>
    </message>
    <message>
        <source>Port (optional)</source>
        <translation>Порт (необязательно)</translation>
    </message>
    <message>
        <source>Send rows with warnings too</source>
        <translation>Отправлять и строки с предупреждениями</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новый</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Примечания</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Enter the first address as four numbers 0-255 with dots between them.</source>
        <translation>Введите первый адрес как четыре числа от 0 до 255, разделённые точками.</translation>
    </message>
    <message>
        <source>Enter the subnet mask as four numbers 0-255 with dots between them.</source>
        <translation>Введите маску подсети как четыре числа от 0 до 255, разделённые точками.</translation>
    </message>
    <message>
        <source>Enter the port as a number, or leave it empty to keep each printer&apos;s port.</source>
        <translation>Введите порт числом или оставьте поле пустым, чтобы сохранить порт каждого принтера.</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>не отправлено</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>не найден</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>без изменений</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>отклонено</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>подтверждено</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>не подтверждено</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>проверено</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>не проверено</translation>
    </message>
    <message>
        <source>Sending to %1 (%2 of %3)…</source>
        <translation>Отправка на %1 (%2 из %3)…</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printers to restart, then searching for them again…</source>
        <translation>Ожидание %1 с, пока принтеры перезапускаются, затем повторный поиск…</translation>
    </message>
    <message>
        <source>Cancelled before anything was sent.</source>
        <translation>Отменено до какой-либо отправки.</translation>
    </message>
    <message>
        <source>Cancelled: sent to %1; the other rows were not sent.</source>
        <translation>Отменено: отправлено на %1; остальные строки не отправлены.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>%1 take each other&apos;s addresses in a circle, which would need a temporary address: nothing is sent to them. Give one of them an unused address first.</source>
        <translation>%1 по кругу занимают адреса друг друга, для этого понадобился бы временный адрес: им ничего не отправляется. Сначала задайте одному из них свободный адрес.</translation>
    </message>
    <message>
        <source>%1 still holds %2: its own row did not move it away, so this row was not sent.</source>
        <translation>%1 всё ещё занимает %2: его собственная строка не перенесла его, поэтому эта строка не отправлена.</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>Не проверено: проверка отменена.</translation>
    </message>
    <message>
        <source>The check after the change was cancelled: the confirmed printers are not verified.</source>
        <translation>Проверка после изменения отменена: подтверждённые принтеры не проверены.</translation>
    </message>
    <message>
        <source>will not be sent</source>
        <translation>не будет отправлено</translation>
    </message>
    <message>
        <source>will be sent</source>
        <translation>будет отправлено</translation>
    </message>
    <message numerus="yes">
        <source>Done: the new address shows on %1 of %n printer(s).</source>
        <translation>
            <numerusform>Готово: новый адрес виден у %1 из %n принтера.</numerusform>
            <numerusform>Готово: новый адрес виден у %1 из %n принтеров.</numerusform>
            <numerusform>Готово: новый адрес виден у %1 из %n принтеров.</numerusform>
        </translation>
    </message>
    <message>
        <source>Send rows with conflicts too</source>
        <translation>Отправлять и строки с конфликтами</translation>
    </message>
    <message>
        <source>Enter the gateway as four numbers 0-255, or leave it empty to keep each printer&apos;s gateway.</source>
        <translation>Введите шлюз как четыре числа от 0 до 255 или оставьте поле пустым, чтобы сохранить шлюз каждого принтера.</translation>
    </message>
    <message>
        <source>mask %1</source>
        <translation>маска %1</translation>
    </message>
    <message>
        <source>gateway %1</source>
        <translation>шлюз %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>порт %1</translation>
    </message>
    <message>
        <source>DHCP on</source>
        <translation>DHCP вкл.</translation>
    </message>
    <message>
        <source>DHCP off</source>
        <translation>DHCP выкл.</translation>
    </message>
    <message>
        <source>Searching for the printers again: %1 of at most %2 s…</source>
        <translation>Повторный поиск принтеров: %1 из не более чем %2 с…</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Принтеры</translation>
    </message>
</context>
<context>
    <name>corvane::lan::DeviceListDialog</name>
    <message>
        <source>Assign addresses...</source>
        <translation>Назначить адреса...</translation>
    </message>
    <message>
        <source>Gives the chosen printers consecutive addresses.</source>
        <translation>Назначает выбранным принтерам последовательные адреса.</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Доступ</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>Адаптер</translation>
    </message>
    <message>
        <source>unicast</source>
        <translation>одноадресно</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>широковещательно</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Searching for the printer again: %1 of at most %2 s…</source>
        <translation>Повторный поиск принтера: %1 из не более чем %2 с…</translation>
    </message>
    <message>
        <source>Print a test page</source>
        <translation>Напечатать пробную страницу</translation>
    </message>
    <message>
        <source>Prints a test page on the printer at its new address %1, port %2.</source>
        <translation>Печатает пробную страницу на принтере по его новому адресу %1, порт %2.</translation>
    </message>
</context>
<context>
    <name>corvane::provision::ProvisionDialog</name>
    <message>
        <source>Provision printers</source>
        <translation>Настройка нескольких принтеров</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Выбрать...</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Профиль:</translation>
    </message>
    <message>
        <source>Profiles (*.json)</source>
        <translation>Профили (*.json)</translation>
    </message>
    <message>
        <source>Printers &amp;sheet (optional):</source>
        <translation>&amp;Список принтеров (необязательно):</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>ttyUSB0, ttyS0</source>
        <translation>ttyUSB0, ttyS0</translation>
    </message>
    <message>
        <source>Se&amp;rial ports (optional):</source>
        <translation>Посл&amp;едовательные порты (необязательно):</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Fields changed</source>
        <translation>Изменено полей</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Принтеры</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>&amp;Запустить</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>&amp;Остановить</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>За&amp;крыть</translation>
    </message>
    <message>
        <source>The profile cannot be read: %1</source>
        <translation>Не удаётся прочитать профиль: %1</translation>
    </message>
    <message>
        <source>The profile cannot be used: %1</source>
        <translation>Невозможно использовать профиль: %1</translation>
    </message>
    <message>
        <source>The printers sheet cannot be used: %1</source>
        <translation>Невозможно использовать список принтеров: %1</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>Отключён</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Configuring</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Done; unplug it</source>
        <translation>Готово; отключите его</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>Configured (profile only)</source>
        <translation>Настроен (только профиль)</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>Настроен</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Без изменений</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Ошибка: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) in progress.</source>
        <translation>
            <numerusform>В работе: %n принтер.</numerusform>
            <numerusform>В работе: %n принтера.</numerusform>
            <numerusform>В работе: %n принтеров.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Остановлено.</translation>
    </message>
    <message numerus="yes">
        <source>Stopping: %n printer(s) still in progress.</source>
        <translation>
            <numerusform>Остановка: в работе ещё %n принтер.</numerusform>
            <numerusform>Остановка: в работе ещё %n принтера.</numerusform>
            <numerusform>Остановка: в работе ещё %n принтеров.</numerusform>
        </translation>
    </message>
    <message>
        <source>Configured: %1, unchanged: %2, failed: %3. %4</source>
        <comment>the totals, then the state sentence</comment>
        <translation>Настроено: %1, без изменений: %2, с ошибкой: %3. %4</translation>
    </message>
</context>
</TS>
