<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AboutBox</name>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Sets up the network interface of Zephran POS receipt printers: Ethernet and wireless printers on the local network, and printers attached by a serial port or a USB cable.</source>
        <translation>Konfiguruje interfejs sieciowy drukarek bonów POS Zephran: drukarek Ethernet i bezprzewodowych w sieci lokalnej oraz drukarek podłączonych przez port szeregowy lub kabel USB.</translation>
    </message>
    <message>
        <source>Copyright © Corvane Tool developers. Free software under the MIT licence.</source>
        <translation>Copyright © Corvane Tool developers. Wolne oprogramowanie na licencji MIT.</translation>
    </message>
    <message>
        <source>About Corvane Tool</source>
        <translation>O programie Corvane Tool</translation>
    </message>
</context>
<context>
    <name>BssInfoDialog</name>
    <message>
        <source>BSS Information</source>
        <translation>Informacje BSS</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nr</translation>
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
        <translation>Tryb</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Zabezpieczenia</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>Pobierz informacje BSS</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>Punkty dostępowe widoczne dla drukarki</translation>
    </message>
</context>
<context>
    <name>BssPage</name>
    <message>
        <source>No</source>
        <translation>Nr</translation>
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
        <translation>TRYB</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Zabezpieczenia</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>Pobierz informacje BSS</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>Punkty dostępowe widoczne dla drukarki</translation>
    </message>
    <message>
        <source>Use this network</source>
        <translation>Użyj tej sieci</translation>
    </message>
    <message>
        <source>Puts the chosen network&apos;s name on the Network page and, where the survey names one, its authentication on the Authentication page</source>
        <translation>Wpisuje nazwę wybranej sieci na karcie Sieć oraz, jeśli skanowanie ją podaje, jej uwierzytelnianie na karcie Uwierzytelnianie</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation>Infrastruktura</translation>
    </message>
    <message>
        <source>Ad hoc</source>
        <translation>Ad hoc</translation>
    </message>
</context>
<context>
    <name>CertificatePage</name>
    <message>
        <source>Certificate</source>
        <translation>Certyfikat</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <translation>Klucz klienta</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <translation>PEM klienta</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>File Upload</source>
        <translation>Prześlij plik</translation>
    </message>
    <message>
        <source>Original Certificate Format (*)</source>
        <translation>Oryginalny format certyfikatu (*)</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>Plik certyfikatu</translation>
    </message>
</context>
<context>
    <name>ConfigApp</name>
    <message>
        <source>Sets up the network interface of Zephran receipt printers.</source>
        <translation>Konfiguruje interfejs sieciowy drukarek bonów Zephran.</translation>
    </message>
    <message>
        <source>Show the windows in NAME instead of the system&apos;s language: en (the built-in English), a catalog name such as Japanese or German, or a locale name such as de_AT.</source>
        <translation>Wyświetla okna w języku NAME zamiast w języku systemu: en (wbudowany angielski), nazwa katalogu, np. Japanese lub German, albo nazwa ustawień regionalnych, np. de_AT.</translation>
    </message>
    <message>
        <source>corvane-tool: the desktop tool needs a display (a desktop session, or ssh -X); for the command line see corvane --help</source>
        <translation>corvane-tool: narzędzie okienkowe wymaga ekranu (sesji pulpitu lub ssh -X); wiersz poleceń opisuje corvane --help</translation>
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
        <translation>Nr</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>Adres MAC</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>Podsieć</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Brama</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Configuration(Web)</source>
        <translation>Konfiguracja (WWW)</translation>
    </message>
    <message>
        <source>BSS Info</source>
        <translation>Info BSS</translation>
    </message>
    <message>
        <source>Certificate upload</source>
        <translation>Prześlij certyfikat</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printer to restart its network…</source>
        <translation>Oczekiwanie %1 s na ponowne uruchomienie sieci drukarki…</translation>
    </message>
    <message>
        <source>The printer %1 did not answer this search.</source>
        <translation>Drukarka %1 nie odpowiedziała na to wyszukiwanie.</translation>
    </message>
    <message>
        <source>This printer does not support changing its settings from the list.</source>
        <translation>Ta drukarka nie obsługuje zmiany ustawień z poziomu listy.</translation>
    </message>
    <message>
        <source>This printer does not support a web page.</source>
        <translation>Ta drukarka nie udostępnia strony WWW.</translation>
    </message>
    <message>
        <source>This printer does not support the access point survey.</source>
        <translation>Ta drukarka nie obsługuje skanowania punktów dostępowych.</translation>
    </message>
    <message>
        <source>Printers found</source>
        <translation>Znalezione drukarki</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found.</source>
        <translation>
            <numerusform>Znaleziono %n drukarkę.</numerusform>
            <numerusform>Znaleziono %n drukarki.</numerusform>
            <numerusform>Znaleziono %n drukarek.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found on %1.</source>
        <translation>
            <numerusform>Znaleziono %n drukarkę przez %1.</numerusform>
            <numerusform>Znaleziono %n drukarki przez %1.</numerusform>
            <numerusform>Znaleziono %n drukarek przez %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Test print</source>
        <translation>Wydruk testowy</translation>
    </message>
    <message>
        <source>Prints a test page on the chosen printer over the network.</source>
        <translation>Drukuje stronę testową na wybranej drukarce przez sieć.</translation>
    </message>
    <message>
        <source>Test page sent to %1.</source>
        <translation>Strona testowa została wysłana do %1.</translation>
    </message>
    <message>
        <source>The test page was not sent to %1: %2</source>
        <translation>Strona testowa nie została wysłana do %1: %2</translation>
    </message>
</context>
<context>
    <name>DeviceListExport</name>
    <message>
        <source>Export...</source>
        <translation>Eksportuj...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Export the list</source>
        <translation>Eksportuj listę</translation>
    </message>
    <message>
        <source>CSV (*.csv);;JSON (*.json)</source>
        <translation>CSV (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2</source>
        <translation>Nie udało się zapisać listy w %1: %2</translation>
    </message>
    <message>
        <source>The printers in the list&apos;s order, or only the chosen ones when several are chosen.</source>
        <translation>Drukarki w kolejności listy albo tylko wybrane, gdy wybrano kilka.</translation>
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
        <translation>Typ drukarki</translation>
    </message>
    <message>
        <source>POS</source>
        <translation>POS</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inny</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Komunikacja</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Szeregowy</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>This printer don&apos;t match our company name.</source>
        <translation>Nazwa producenta tej drukarki nie zgadza się z nazwą naszej firmy.</translation>
    </message>
    <message>
        <source>Include secrets</source>
        <translation>Dołącz dane poufne</translation>
    </message>
    <message>
        <source>Export profile…</source>
        <translation>Eksportuj profil…</translation>
    </message>
    <message>
        <source>Import profile…</source>
        <translation>Importuj profil…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>Profile (*.json);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Importuj profil</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Eksportuj profil</translation>
    </message>
    <message>
        <source>The profile could not be saved:
%1</source>
        <translation>Nie udało się zapisać profilu:
%1</translation>
    </message>
    <message>
        <source>The profile has been saved to %1 with its keys and passwords.
Only you can read the file.</source>
        <translation>Profil został zapisany w %1 razem z kluczami i hasłami.
Tylko Ty możesz odczytać ten plik.</translation>
    </message>
    <message>
        <source>The profile has been saved to %1.
Keys, passwords and the PIN were left out; importing the profile asks for them.</source>
        <translation>Profil został zapisany w %1.
Pominięto klucze, hasła i kod PIN; podczas importu profilu program poprosi o ich podanie.</translation>
    </message>
    <message>
        <source>The profile %1 cannot be imported:
%2</source>
        <translation>Nie można zaimportować profilu %1:
%2</translation>
    </message>
    <message>
        <source>The profile was not imported; nothing has changed.
%1</source>
        <translation>Profil nie został zaimportowany; nic nie zostało zmienione.
%1</translation>
    </message>
    <message>
        <source>The profile has been imported. Check the pages, then press Save to write it to the printer.</source>
        <translation>Profil został zaimportowany. Sprawdź ustawienia na kartach, a następnie kliknij „Zapisz”, aby zapisać je w drukarce.</translation>
    </message>
    <message>
        <source>This printer has no %1; those settings were left out.</source>
        <translation>Ta drukarka nie ma ustawień %1; zostały one pominięte.</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nie połączono</translation>
    </message>
    <message>
        <source>Connected: %1 — firmware %2, %3</source>
        <translation>Połączono: %1 — firmware %2, %3</translation>
    </message>
    <message>
        <source>newer layout</source>
        <translation>nowszy układ rekordu</translation>
    </message>
    <message>
        <source>older layout</source>
        <translation>starszy układ rekordu</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>Otwieranie %1…</translation>
    </message>
    <message>
        <source>Checking the printer… attempt %1 of %2</source>
        <translation>Sprawdzanie drukarki… próba %1 z %2</translation>
    </message>
    <message>
        <source>Reading the printer&apos;s settings…</source>
        <translation>Odczytywanie ustawień drukarki…</translation>
    </message>
    <message>
        <source>Saving the settings…</source>
        <translation>Zapisywanie ustawień…</translation>
    </message>
    <message>
        <source>Surveying the access points…</source>
        <translation>Skanowanie punktów dostępowych…</translation>
    </message>
    <message>
        <source>Uploading the certificate… part %1 of %2</source>
        <translation>Przesyłanie certyfikatu… część %1 z %2</translation>
    </message>
    <message>
        <source>Include fixed address</source>
        <translation>Dołącz stały adres</translation>
    </message>
    <message>
        <source>Put this printer&apos;s address assignment (DHCP or fixed), IP address, subnet mask and gateway in the exported profile, for a printer that replaces it.</source>
        <translation>Umieszcza w eksportowanym profilu sposób przydzielania adresu tej drukarki (DHCP lub stały), adres IP, maskę podsieci i bramę — dla drukarki, która ją zastąpi.</translation>
    </message>
    <message>
        <source>Put keys, passwords, the PIN and the SNMP write community in the exported profile; the file is then readable by you alone.</source>
        <translation>Umieszcza w eksportowanym profilu klucze, hasła, kod PIN i społeczność zapisu SNMP; plik będzie wtedy czytelny tylko dla Ciebie.</translation>
    </message>
    <message>
        <source>The printer confirmed the settings, but reading them back shows other values for: %1</source>
        <translation>Drukarka potwierdziła ustawienia, ale ich ponowny odczyt pokazuje inne wartości dla: %1</translation>
    </message>
    <message>
        <source>The printer did not confirm the change, but it may have taken it. Connect again to see what it holds before trying again.</source>
        <translation>Drukarka nie potwierdziła zmiany, ale mogła ją przyjąć. Przed ponowną próbą połącz się jeszcze raz, aby sprawdzić, co zawiera.</translation>
    </message>
</context>
<context>
    <name>FindAtAddress</name>
    <message>
        <source>Find at address</source>
        <translation>Szukaj pod adresem</translation>
    </message>
    <message>
        <source>Addresses to ask, such as 10.0.5.20, 10.0.5.1-40 or 10.0.5.7,10.0.6.1-9:</source>
        <translation>Adresy do odpytania, np. 10.0.5.20, 10.0.5.1-40 lub 10.0.5.7,10.0.6.1-9:</translation>
    </message>
    <message>
        <source>These addresses cannot be asked: %1</source>
        <translation>Tych adresów nie można odpytać: %1</translation>
    </message>
    <message>
        <source>Find at address...</source>
        <translation>Szukaj pod adresem...</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The change was made, but it could not be added to the history: %1</source>
        <translation>Zmiana została wprowadzona, ale nie udało się dodać jej do historii: %1</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>nie można utworzyć folderu %1: %2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>to nie jest obiekt JSON</translation>
    </message>
    <message>
        <source>no valid time</source>
        <translation>brak prawidłowego czasu</translation>
    </message>
    <message>
        <source>no outcome or no list of changes</source>
        <translation>brak wyniku lub listy zmian</translation>
    </message>
    <message>
        <source>a change without a field name</source>
        <translation>zmiana bez nazwy pola</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>%1 stayed locked by another program</source>
        <translation>plik %1 pozostawał zablokowany przez inny program</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>line %1 of %2 skipped: %3</source>
        <translation>pominięto wiersz %1 pliku %2: %3</translation>
    </message>
    <message>
        <source>The change may have reached the printer, but it could not be added to the history: %1</source>
        <translation>Zmiana mogła dotrzeć do drukarki, ale nie udało się dodać jej do historii: %1</translation>
    </message>
    <message>
        <source>The failed attempt could not be added to the history: %1</source>
        <translation>Nie udało się dodać nieudanej próby do historii: %1</translation>
    </message>
    <message>
        <source>The change could not be added to the history: %1</source>
        <translation>Nie udało się dodać zmiany do historii: %1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the history is not written through links</source>
        <translation>%1 jest dowiązaniem symbolicznym; historia nie jest zapisywana przez dowiązania</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>cannot read %1: %2 is not a folder</source>
        <translation>nie można odczytać %1: %2 nie jest folderem</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Export CSV</source>
        <translation>Eksport do CSV</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv);;All files (*)</source>
        <translation>Wartości rozdzielane przecinkami (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>History of changes</source>
        <translation>Historia zmian</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drukarka</translation>
    </message>
    <message>
        <source>All printers</source>
        <translation>Wszystkie drukarki</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Czas (UTC)</translation>
    </message>
    <message>
        <source>Front end</source>
        <translation>Interfejs</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Operacja</translation>
    </message>
    <message>
        <source>Way in</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Zmiany</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Eksportuj do CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>The history could not be exported:
%1</source>
        <translation>Nie udało się wyeksportować historii:
%1</translation>
    </message>
</context>
<context>
    <name>Ipv4AddressEdit</name>
    <message>
        <source>This mask is not a run of ones followed by zeros (such as 255.255.255.0).</source>
        <translation>Ta maska nie jest ciągiem jedynek, po którym następują zera (np. 255.255.255.0).</translation>
    </message>
    <message>
        <source>This is the network address of the subnet its mask spans; no device can use it.</source>
        <translation>To jest adres sieci podsieci objętej maską; żadne urządzenie nie może go używać.</translation>
    </message>
    <message>
        <source>This is the broadcast address of the subnet its mask spans; no device can use it.</source>
        <translation>To jest adres rozgłoszeniowy (broadcast) podsieci objętej maską; żadne urządzenie nie może go używać.</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>%1, part %2 of 4</source>
        <translation>%1, część %2 z 4</translation>
    </message>
    <message>
        <source>0 to 255</source>
        <translation>od 0 do 255</translation>
    </message>
</context>
<context>
    <name>LanEndpoints</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address or a range A.B.C.D-E</source>
        <translation>„%1” nie jest adresem IPv4 ani zakresem A.B.C.D-E</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; ends before it starts</source>
        <translation>zakres „%1” kończy się, zanim się zaczyna</translation>
    </message>
    <message>
        <source>more than %1 addresses</source>
        <translation>więcej niż %1 adresów</translation>
    </message>
    <message>
        <source>the list has an empty entry (two commas in a row, or one at an end)</source>
        <translation>lista zawiera pusty element (dwa przecinki z rzędu albo jeden na początku lub końcu)</translation>
    </message>
</context>
<context>
    <name>LanSendChecks</name>
    <message>
        <source>The subnet mask %1 is not contiguous: its ones must all come before its zeros.</source>
        <translation>Maska podsieci %1 nie jest ciągła: wszystkie jedynki muszą występować przed zerami.</translation>
    </message>
    <message>
        <source>The IP address %1 is the network address of its subnet; no device can use it.</source>
        <translation>Adres IP %1 jest adresem sieci swojej podsieci; żadne urządzenie nie może go używać.</translation>
    </message>
    <message>
        <source>The IP address %1 is the broadcast address of its subnet; no device can use it.</source>
        <translation>Adres IP %1 jest adresem rozgłoszeniowym (broadcast) swojej podsieci; żadne urządzenie nie może go używać.</translation>
    </message>
    <message>
        <source>The IP address %1 is reserved (%2) and cannot be a printer&apos;s address.</source>
        <translation>Adres IP %1 jest zarezerwowany (%2) i nie może być adresem drukarki.</translation>
    </message>
    <message>
        <source>The gateway %1 is outside the subnet %2 of the IP address; the printer could not reach it.</source>
        <translation>Brama %1 leży poza podsiecią %2 adresu IP; drukarka nie mogłaby się z nią połączyć.</translation>
    </message>
    <message>
        <source>The IP address %1 is already used by the printer %2 in the list.</source>
        <translation>Adres IP %1 jest już używany przez drukarkę %2 z listy.</translation>
    </message>
    <message>
        <source>The IP address %1 is outside the subnet %2 of this computer&apos;s address %3: this computer will no longer reach the printer without a route.</source>
        <translation>Adres IP %1 leży poza podsiecią %2 adresu %3 tego komputera: bez trasy ten komputer nie będzie już miał dostępu do drukarki.</translation>
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
        <translation>Ustawienia sieci</translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation>Adres IP:</translation>
    </message>
    <message>
        <source>Subnet Mask :</source>
        <translation>Maska podsieci:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Brama:</translation>
    </message>
    <message>
        <source>Local Port :</source>
        <translation>Port lokalny:</translation>
    </message>
    <message>
        <source> (0 ~ 32767)</source>
        <translation> (0 ~ 32767)</translation>
    </message>
    <message>
        <source>Inactivity time :
(0 ~ 3600)    </source>
        <translation>Czas bezczynności:
(0 ~ 3600)    </translation>
    </message>
    <message>
        <source>sec (Default: 0)</source>
        <translation>s (domyślnie: 0)</translation>
    </message>
    <message>
        <source>DHCP Mode</source>
        <translation>Tryb DHCP</translation>
    </message>
    <message>
        <source>Device Baudrate :</source>
        <translation>Prędkość transmisji urządzenia:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>Konfiguracja WLAN</translation>
    </message>
    <message>
        <source>Ethernet Configuration</source>
        <translation>Konfiguracja Ethernet</translation>
    </message>
    <message>
        <source>TCP port, up to 32767</source>
        <translation>Port TCP, maksymalnie 32767</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>Sekundy, od 0 do 3600</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>Wersja firmware:</translation>
    </message>
    <message>
        <source>The settings to be sent give these warnings:</source>
        <translation>Ustawienia do wysłania powodują następujące ostrzeżenia:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Zapisz mimo to</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>The settings to be sent conflict with the network or another printer:</source>
        <translation>Ustawienia do wysłania kolidują z siecią lub inną drukarką:</translation>
    </message>
    <message>
        <source>Save despite the conflicts</source>
        <translation>Zapisz mimo konfliktów</translation>
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
        <translation>Konfiguracja Ethernet
(Ethernet)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(WLAN)</source>
        <translation>Konfiguracja WLAN
(WLAN)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(USB)</source>
        <translation>Konfiguracja WLAN
(USB)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>O programie...</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historia…</translation>
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
        <translation>Adres IP - </translation>
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
        <source>Addresses of this computer</source>
        <translation>Adresy tego komputera</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>Wszystkie adresy</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Network Mode</source>
        <translation>Tryb sieci</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>Infrastruktura</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>Ad hoc</translation>
    </message>
    <message>
        <source>Ad Hoc Channel</source>
        <translation>Kanał ad hoc</translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <translation>Wi-Fi Direct</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Conn Mode</source>
        <translation>Tryb połączenia</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>Kod PIN</translation>
    </message>
    <message>
        <source>IP Assignment Method</source>
        <translation>Sposób przydzielania adresu IP</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>Przydział automatyczny (DHCP)</translation>
    </message>
    <message>
        <source>Manual Allocation</source>
        <translation>Przydział ręczny</translation>
    </message>
    <message>
        <source>Network Setting</source>
        <translation>Ustawienia sieci</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Inactivity Time (0~3600)</source>
        <translation>Czas bezczynności (0~3600)</translation>
    </message>
    <message>
        <source>Sec (Default: 0)</source>
        <translation>s (domyślnie: 0)</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Maska podsieci</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Brama</translation>
    </message>
    <message>
        <source>Channel, 1 to 14</source>
        <translation>Kanał, od 1 do 14</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>Sekundy, od 0 do 3600</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>Permission denied: add your user to the &apos;dialout&apos; group (serial) or &apos;lp&apos; group (USB printer), then log in again</source>
        <translation>Odmowa dostępu: dodaj swojego użytkownika do grupy &apos;dialout&apos; (port szeregowy) lub &apos;lp&apos; (drukarka USB), a następnie zaloguj się ponownie</translation>
    </message>
    <message>
        <source>Your user needs to be in the group &apos;%1&apos; that owns %2: run &quot;sudo usermod -aG %1 $USER&quot;, then log in again.</source>
        <translation>Twój użytkownik musi należeć do grupy &apos;%1&apos;, która jest właścicielem %2: uruchom &quot;sudo usermod -aG %1 $USER&quot;, a następnie zaloguj się ponownie.</translation>
    </message>
    <message>
        <source>No printer is ready on this line: its DSR or CTS signal is off.</source>
        <translation>Na tej linii nie ma gotowej drukarki: sygnał DSR lub CTS jest nieaktywny.</translation>
    </message>
    <message>
        <source>The port does not take the printer&apos;s line settings (115200 baud, 8 data bits, no parity, 1 stop bit, RTS/CTS).</source>
        <translation>Port nie obsługuje parametrów linii drukarki (115200 bodów, 8 bitów danych, brak parzystości, 1 bit stopu, RTS/CTS).</translation>
    </message>
    <message>
        <source>The device is in use by another program.</source>
        <translation>Urządzenie jest używane przez inny program.</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>„%1” musi być tekstem</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number</source>
        <translation>„%1” musi być liczbą całkowitą</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a dotted IPv4 address such as &quot;192.168.0.10&quot;</source>
        <translation>„%1” musi być adresem IPv4 w zapisie kropkowym, np. „192.168.0.10”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a value of the wrong kind</source>
        <translation>„%1” ma wartość niewłaściwego typu</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than its %2 bytes</source>
        <translation>„%1” przekracza dozwoloną długość (bajtów: %2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not contain a zero character</source>
        <translation>„%1” nie może zawierać znaku zerowego</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from 0 to %2</source>
        <translation>„%1” musi być liczbą całkowitą od 0 do %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to one printer and is never part of a profile</source>
        <translation>„%1” dotyczy jednej konkretnej drukarki i nigdy nie wchodzi w skład profilu</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a profile</source>
        <translation>„%1” nie jest ustawieniem profilu</translation>
    </message>
    <message>
        <source>not valid JSON (%1 at offset %2)</source>
        <translation>nieprawidłowy JSON (%1 na pozycji %2)</translation>
    </message>
    <message>
        <source>the file must hold one JSON object</source>
        <translation>plik musi zawierać jeden obiekt JSON</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot; (a profile holds &quot;format&quot; and &quot;config&quot;)</source>
        <translation>nieznany klucz „%1” (profil zawiera „format” i „config”)</translation>
    </message>
    <message>
        <source>&quot;format&quot; must be &quot;%1&quot;</source>
        <translation>„format” musi mieć wartość „%1”</translation>
    </message>
    <message>
        <source>the file has no &quot;config&quot; object</source>
        <translation>w pliku brak obiektu „config”</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: Wi-Fi Direct needs a printer with the newer record layout</source>
        <translation>„%1”: Wi-Fi Direct wymaga drukarki z nowszym układem rekordu</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears more than once</source>
        <translation>klucz „%1” występuje więcej niż raz</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a secret; a secrets file holds only %2</source>
        <translation>„%1” nie jest daną poufną; plik danych poufnych zawiera tylko %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the profile would fix this DHCP printer at the address it holds now; a profile that changes the address assignment needs the address too (export with the address)</source>
        <translation>„%1”: profil ustaliłby tę drukarkę DHCP na adresie, który ma teraz; profil zmieniający sposób przydzielania adresu musi zawierać także adres (eksportuj z adresem)</translation>
    </message>
</context>
<context>
    <name>ProtocolPage</name>
    <message>
        <source>Task State</source>
        <translation>Stan usług</translation>
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
        <translation>Nazwa community (odczyt):</translation>
    </message>
    <message>
        <source>Community Name (Write):</source>
        <translation>Nazwa community (zapis):</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>Adres IP pułapek</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>Community pułapek</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Search...</source>
        <translation>Wyszukiwanie...</translation>
    </message>
    <message>
        <source>Searching.</source>
        <translation>Trwa wyszukiwanie.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>SecretToggle</name>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Show or hide what is typed</source>
        <translation>Pokaż lub ukryj wpisany tekst</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Pokaż: %1</translation>
    </message>
</context>
<context>
    <name>SecretsDialog</name>
    <message>
        <source>WEP Key</source>
        <translation>Klucz WEP</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>Klucz PSK</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>Kod PIN</translation>
    </message>
    <message>
        <source>The profile leaves out these secrets. Enter them for this printer:</source>
        <translation>Profil nie zawiera tych danych poufnych. Wprowadź je dla tej drukarki:</translation>
    </message>
</context>
<context>
    <name>SecurityPage</name>
    <message>
        <source>Authentication</source>
        <translation>Uwierzytelnianie</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>System otwarty</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>Klucz współdzielony</translation>
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
        <translation>Szyfrowanie</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>Brak</translation>
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
        <translation>Klucz WEP</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>Klucz PSK</translation>
    </message>
    <message>
        <source>Authentication ID</source>
        <translation>Identyfikator uwierzytelniania</translation>
    </message>
    <message>
        <source>Authentication Password</source>
        <translation>Hasło uwierzytelniania</translation>
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
        <translation>Nr</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>Nazwa drukarki</translation>
    </message>
    <message>
        <source>Printer Port Num</source>
        <translation>Numer portu drukarki</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Identyfikator użytkownika</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>Hasło użytkownika</translation>
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
        <translation>Community zapisu</translation>
    </message>
    <message>
        <source>Get Community</source>
        <translation>Community odczytu</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>Adres IP pułapek</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>Community pułapek</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Tryb sieci</translation>
    </message>
    <message>
        <source>Adhoc Channel</source>
        <translation>Kanał ad hoc</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>Czas bezczynności</translation>
    </message>
    <message>
        <source>IP Assignment method</source>
        <translation>Sposób przydzielania adresu IP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Maska podsieci</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Brama</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Uwierzytelnianie</translation>
    </message>
    <message>
        <source>Cryptograph</source>
        <translation>Szyfrowanie</translation>
    </message>
    <message>
        <source>WEP Key</source>
        <translation>Klucz WEP</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>Klucz PSK</translation>
    </message>
    <message>
        <source>EAP Mode</source>
        <translation>Tryb EAP</translation>
    </message>
    <message>
        <source>Auth ID</source>
        <translation>Identyfikator uwierzytelniania</translation>
    </message>
    <message>
        <source>Auth Password/Certification Key(EAP-TLS)</source>
        <translation>Hasło uwierzytelniania/klucz certyfikatu (EAP-TLS)</translation>
    </message>
    <message>
        <source>P2P Conn Mode</source>
        <translation>Tryb połączenia P2P</translation>
    </message>
    <message>
        <source>P2P Channel</source>
        <translation>Kanał P2P</translation>
    </message>
    <message>
        <source>P2P Pin Code</source>
        <translation>Kod PIN P2P</translation>
    </message>
    <message>
        <source>Settings written to the printer</source>
        <translation>Ustawienia zapisane w drukarce</translation>
    </message>
    <message>
        <source>&amp;Show secrets</source>
        <translation>&amp;Pokaż dane poufne</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Copies every row, tab-separated, as shown</source>
        <translation>Kopiuje wszystkie wiersze, rozdzielone tabulatorami, tak jak są wyświetlane</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The BSS information has been imported successfully.</source>
        <translation>Informacje BSS zostały zaimportowane.</translation>
    </message>
    <message>
        <source>Failed to import the BSS information.
Please check the IP address or port number to connect to.</source>
        <translation>Nie udało się zaimportować informacji BSS.
Sprawdź adres IP lub numer portu połączenia.</translation>
    </message>
    <message>
        <source>Failed to connect to the printer.</source>
        <translation>Nie udało się połączyć z drukarką.</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Reset the printer.</source>
        <translation>Konfiguracja została zakończona.
Uruchom ponownie drukarkę.</translation>
    </message>
    <message>
        <source>The configuration has failed.</source>
        <translation>Konfiguracja nie powiodła się.</translation>
    </message>
    <message>
        <source>Unable to open the port.</source>
        <translation>Nie można otworzyć portu.</translation>
    </message>
    <message>
        <source>The User ID is incorrect.
Please try again.</source>
        <translation>Identyfikator użytkownika jest nieprawidłowy.
Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The Password is incorrect.
Please try again.</source>
        <translation>Hasło jest nieprawidłowe.
Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The system name is incorrect.
Please try again.</source>
        <translation>Nazwa systemu jest nieprawidłowa.
Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The port number is incorrect.
Please try again.</source>
        <translation>Numer portu jest nieprawidłowy.
Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The community name is incorrect.
Please try again.</source>
        <translation>Nazwa community jest nieprawidłowa.
Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The trap community is incorrect.
Please try again.</source>
        <translation>Nazwa community pułapek jest nieprawidłowa.
Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The Adhoc channel is incorrect.
Please try again.</source>
        <translation>Kanał ad hoc jest nieprawidłowy.
Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The SSID is incorrect.
Please try again.</source>
        <translation>Identyfikator SSID jest nieprawidłowy.
Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
Please try again.</source>
        <translation>Klucz PSK jest nieprawidłowy.
Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The certificate ID is incorrect.
Please try again.</source>
        <translation>Identyfikator certyfikatu jest nieprawidłowy.
Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The certificate password is incorrect.
Please try again.</source>
        <translation>Hasło certyfikatu jest nieprawidłowe.
Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The printer has been connected successfully.</source>
        <translation>Połączenie z drukarką zostało nawiązane.</translation>
    </message>
    <message>
        <source>The certificate document has been uploaded successfully.
Reset the printer.</source>
        <translation>Certyfikat został przesłany.
Uruchom ponownie drukarkę.</translation>
    </message>
    <message>
        <source>Failed to upload the certificate document.
Reset the printer.</source>
        <translation>Nie udało się przesłać certyfikatu.
Uruchom ponownie drukarkę.</translation>
    </message>
    <message>
        <source>The maximum size of a certificate file is 3KB.</source>
        <translation>Plik certyfikatu może mieć najwyżej 3 KB.</translation>
    </message>
    <message>
        <source>The certificate file is selected.</source>
        <translation>Plik certyfikatu został wybrany.</translation>
    </message>
    <message>
        <source>The certificate file is invalid.</source>
        <translation>Plik certyfikatu jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>No certificate file is selected or the selected file is invalid.</source>
        <translation>Nie wybrano pliku certyfikatu lub wybrany plik jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>The Adhoc mode is not available.
Authentication is allowed in either Open System or Shared Key.</source>
        <translation>Tryb ad hoc jest niedostępny.
Dozwolone jest tylko uwierzytelnianie System otwarty lub Klucz współdzielony.</translation>
    </message>
    <message>
        <source>Failed to read the certificate file.</source>
        <translation>Nie udało się odczytać pliku certyfikatu.</translation>
    </message>
    <message>
        <source>Please select a device in the list.</source>
        <translation>Wybierz urządzenie z listy.</translation>
    </message>
    <message>
        <source>Please search for a device again.</source>
        <translation>Wyszukaj urządzenia ponownie.</translation>
    </message>
    <message>
        <source>Error: Failed to read the list of information.</source>
        <translation>Błąd: nie udało się odczytać listy informacji.</translation>
    </message>
    <message>
        <source>Please check the IP address or port number.</source>
        <translation>Sprawdź adres IP lub numer portu.</translation>
    </message>
    <message>
        <source>The specified port is not available.
Please enter a port number again.</source>
        <translation>Wskazany port jest niedostępny.
Wprowadź ponownie numer portu.</translation>
    </message>
    <message>
        <source>The IP address cannot be used.
Please enter an IP address again.</source>
        <translation>Tego adresu IP nie można użyć.
Wprowadź ponownie adres IP.</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>Konfiguracja została zakończona.
Jeśli lista się nie odświeży, wyszukaj urządzenia ponownie.</translation>
    </message>
    <message>
        <source>The WLAN configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>Konfiguracja WLAN została zakończona.
Jeśli lista się nie odświeży, wyszukaj urządzenia ponownie.</translation>
    </message>
    <message>
        <source>Unable to configure the port.
Please enter a port number again.(0~32767)</source>
        <translation>Nie można skonfigurować portu.
Wprowadź ponownie numer portu. (0~32767)</translation>
    </message>
    <message>
        <source>Unable to save the configuration.
Please configure again.</source>
        <translation>Nie udało się zapisać konfiguracji.
Skonfiguruj ponownie.</translation>
    </message>
    <message>
        <source>The time has not been set.
Please enter time again.</source>
        <translation>Czas nie został ustawiony.
Wprowadź ponownie czas.</translation>
    </message>
    <message>
        <source>The channel number has not been set.
Please enter a channel number again.(0~14)</source>
        <translation>Numer kanału nie został ustawiony.
Wprowadź ponownie numer kanału. (0~14)</translation>
    </message>
    <message>
        <source>Network is in Adhoc mode.
You must assign IP address manually.</source>
        <translation>Sieć działa w trybie ad hoc.
Adres IP trzeba przypisać ręcznie.</translation>
    </message>
    <message>
        <source>Unable to connect to the USB device.</source>
        <translation>Nie można połączyć się z urządzeniem USB.</translation>
    </message>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Now Searching</source>
        <translation>Trwa wyszukiwanie</translation>
    </message>
    <message>
        <source>System &amp; Information</source>
        <translation>System i informacje</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <translation>Informacje BSS</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Uwierzytelnianie</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokół</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Sieć</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>System otwarty</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>Klucz współdzielony</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>Infrastruktura</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>Ad hoc</translation>
    </message>
    <message>
        <source>Manual allocation</source>
        <translation>Przydział ręczny</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>Przydział automatyczny (DHCP)</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Włączone</translation>
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
        <translation>Hasło uwierzytelniania</translation>
    </message>
    <message>
        <source>Certification Password</source>
        <translation>Hasło certyfikatu</translation>
    </message>
    <message>
        <source>Incorrect PIN. Please re-enter your PIN Code.</source>
        <translation>Nieprawidłowy kod PIN. Wprowadź ponownie kod PIN.</translation>
    </message>
    <message>
        <source>Currently no network connection is found. Check the network connection.</source>
        <translation>Nie znaleziono połączenia sieciowego. Sprawdź połączenie sieciowe.</translation>
    </message>
    <message>
        <source>The text is too long for the printer.
Please shorten it (some characters take more than one byte).</source>
        <translation>Tekst jest za długi dla drukarki.
Skróć go (niektóre znaki zajmują więcej niż jeden bajt).</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
It must be 8 to 63 printable ASCII characters or 64 hexadecimal digits.</source>
        <translation>Klucz PSK jest nieprawidłowy.
Musi składać się z 8–63 drukowalnych znaków ASCII lub z 64 cyfr szesnastkowych.</translation>
    </message>
    <message>
        <source>This setting cannot be chosen together with the other settings.
Please check the settings and try again.</source>
        <translation>Tego ustawienia nie można wybrać razem z pozostałymi ustawieniami.
Sprawdź ustawienia i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The search could not start.
%1</source>
        <translation>Nie udało się rozpocząć wyszukiwania.
%1</translation>
    </message>
    <message>
        <source>The settings could not be sent.
%1</source>
        <translation>Nie udało się wysłać ustawień.
%1</translation>
    </message>
    <message>
        <source>The local address %1 cannot be used.</source>
        <translation>Nie można użyć adresu lokalnego %1.</translation>
    </message>
    <message>
        <source>The local UDP port %1 cannot be used.</source>
        <translation>Nie można użyć lokalnego portu UDP %1.</translation>
    </message>
    <message>
        <source>The request could not leave this computer: %1</source>
        <translation>Nie udało się wysłać żądania z tego komputera: %1</translation>
    </message>
    <message>
        <source>No web browser could be opened.
Please open this address in a web browser:
%1</source>
        <translation>Nie udało się otworzyć przeglądarki internetowej.
Otwórz ten adres w przeglądarce internetowej:
%1</translation>
    </message>
    <message>
        <source>The printer has no IP address configured.
Its web page cannot be opened.</source>
        <translation>Drukarka nie ma skonfigurowanego adresu IP.
Nie można otworzyć jej strony WWW.</translation>
    </message>
    <message>
        <source>This printer does not offer Setting (feature code %1).</source>
        <translation>Ta drukarka nie udostępnia funkcji „Ustawienia” (kod funkcji %1).</translation>
    </message>
    <message>
        <source>Discard the changes made since Connect?</source>
        <translation>Odrzucić zmiany wprowadzone od momentu połączenia?</translation>
    </message>
    <message>
        <source>WEP Key is invalid.
WEP Key must be 5 or 13 characters, or 10 or 26 hexadecimal digits.</source>
        <translation>Klucz WEP jest nieprawidłowy.
Klucz WEP musi mieć 5 lub 13 znaków albo 10 lub 26 cyfr szesnastkowych.</translation>
    </message>
    <message>
        <source>Certification</source>
        <translation>Certyfikaty</translation>
    </message>
    <message>
        <source>The subnet mask is not valid: its ones must all come before its zeros.
Please enter the subnet mask again.</source>
        <translation>Maska podsieci jest nieprawidłowa: wszystkie jedynki muszą występować przed zerami.
Wpisz maskę podsieci ponownie.</translation>
    </message>
    <message>
        <source>UDP port %1 is in use by another program.</source>
        <translation>Port UDP %1 jest używany przez inny program.</translation>
    </message>
    <message>
        <source>The requests cannot be kept to interface %1: %2</source>
        <translation>Nie można ograniczyć żądań do interfejsu %1: %2</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>Nazwa drukarki</translation>
    </message>
    <message>
        <source>Printer Port Num (0 ~ 32767)</source>
        <translation>Numer portu drukarki (0 ~ 32767)</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Identyfikator użytkownika</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>Hasło użytkownika</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Potwierdź hasło</translation>
    </message>
    <message>
        <source>Firmware Information</source>
        <translation>Informacje o firmware</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>Wersja firmware:</translation>
    </message>
    <message>
        <source>Update Date :</source>
        <translation>Data aktualizacji:</translation>
    </message>
    <message>
        <source>Mac Address :</source>
        <translation>Adres MAC:</translation>
    </message>
    <message>
        <source>TCP port, 0 to 32767</source>
        <translation>Port TCP, od 0 do 32767</translation>
    </message>
</context>
<context>
    <name>VerificationNote</name>
    <message>
        <source>IP address</source>
        <translation>adres IP</translation>
    </message>
    <message>
        <source>subnet mask</source>
        <translation>maska podsieci</translation>
    </message>
    <message>
        <source>gateway</source>
        <translation>brama</translation>
    </message>
    <message>
        <source>port</source>
        <translation>port</translation>
    </message>
    <message>
        <source>inactivity time</source>
        <translation>czas bezczynności</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>baud rate code</source>
        <translation>kod prędkości transmisji</translation>
    </message>
    <message>
        <source>Not verified: the printer did not answer the search after the change.</source>
        <translation>Nie zweryfikowano: drukarka nie odpowiedziała na wyszukiwanie po zmianie.</translation>
    </message>
    <message>
        <source>Verified: now at %1, port %2</source>
        <translation>Zweryfikowano: teraz pod adresem %1, port %2</translation>
    </message>
    <message>
        <source>%1 %2 instead of %3</source>
        <translation>%1 %2 zamiast %3</translation>
    </message>
    <message>
        <source>Not verified: the printer reports %1.</source>
        <translation>Nie zweryfikowano: według drukarki %1.</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>Nie zweryfikowano: sprawdzenie zostało anulowane.</translation>
    </message>
    <message>
        <source>Not verified: DHCP is on and the printer has no address yet.</source>
        <translation>Nie zweryfikowano: DHCP jest włączone, a drukarka nie ma jeszcze adresu.</translation>
    </message>
</context>
<context>
    <name>corvane::app::LauncherDialog</name>
    <message>
        <source>Provision printers...</source>
        <translation>Konfiguracja wielu drukarek...</translation>
    </message>
</context>
<context>
    <name>corvane::lan::AssignAddressesDialog</name>
    <message>
        <source>Assign addresses</source>
        <translation>Przydziel adresy</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>Pierwszy adres</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Maska podsieci</translation>
    </message>
    <message>
        <source>Gateway (optional)</source>
        <translation>Brama (opcjonalnie)</translation>
    </message>
    <message>
        <source>Port (optional)</source>
        <translation>Port (opcjonalnie)</translation>
    </message>
    <message>
        <source>Send rows with warnings too</source>
        <translation>Wyślij także wiersze z ostrzeżeniami</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>Adres MAC</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Obecny</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Enter the first address as four numbers 0-255 with dots between them.</source>
        <translation>Wpisz pierwszy adres jako cztery liczby 0-255 oddzielone kropkami.</translation>
    </message>
    <message>
        <source>Enter the subnet mask as four numbers 0-255 with dots between them.</source>
        <translation>Wpisz maskę podsieci jako cztery liczby 0-255 oddzielone kropkami.</translation>
    </message>
    <message>
        <source>Enter the port as a number, or leave it empty to keep each printer&apos;s port.</source>
        <translation>Wpisz port jako liczbę albo zostaw puste pole, aby zachować port każdej drukarki.</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nie wysłano</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nie znaleziono</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>bez zmian</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>odrzucono</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>potwierdzono</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>nie potwierdzono</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>zweryfikowano</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>nie zweryfikowano</translation>
    </message>
    <message>
        <source>Sending to %1 (%2 of %3)…</source>
        <translation>Wysyłanie do %1 (%2 z %3)…</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printers to restart, then searching for them again…</source>
        <translation>Oczekiwanie %1 s na ponowne uruchomienie drukarek, potem ponowne wyszukiwanie…</translation>
    </message>
    <message>
        <source>Cancelled before anything was sent.</source>
        <translation>Anulowano przed wysłaniem czegokolwiek.</translation>
    </message>
    <message>
        <source>Cancelled: sent to %1; the other rows were not sent.</source>
        <translation>Anulowano: wysłano do %1; pozostałe wiersze nie zostały wysłane.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1 take each other&apos;s addresses in a circle, which would need a temporary address: nothing is sent to them. Give one of them an unused address first.</source>
        <translation>%1 przejmują nawzajem swoje adresy w cyklu, co wymagałoby adresu tymczasowego: nic do nich nie jest wysyłane. Najpierw nadaj jednej z nich wolny adres.</translation>
    </message>
    <message>
        <source>%1 still holds %2: its own row did not move it away, so this row was not sent.</source>
        <translation>%1 nadal zajmuje %2: jej własny wiersz jej nie przeniósł, więc ten wiersz nie został wysłany.</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>Nie zweryfikowano: sprawdzenie zostało anulowane.</translation>
    </message>
    <message>
        <source>The check after the change was cancelled: the confirmed printers are not verified.</source>
        <translation>Sprawdzenie po zmianie zostało anulowane: potwierdzone drukarki nie są zweryfikowane.</translation>
    </message>
    <message>
        <source>will not be sent</source>
        <translation>nie zostanie wysłane</translation>
    </message>
    <message>
        <source>will be sent</source>
        <translation>do wysłania</translation>
    </message>
    <message numerus="yes">
        <source>Done: the new address shows on %1 of %n printer(s).</source>
        <translation>
            <numerusform>Gotowe: nowy adres widać na %1 z %n drukarki.</numerusform>
            <numerusform>Gotowe: nowy adres widać na %1 z %n drukarek.</numerusform>
            <numerusform>Gotowe: nowy adres widać na %1 z %n drukarek.</numerusform>
        </translation>
    </message>
    <message>
        <source>Send rows with conflicts too</source>
        <translation>Wyślij także wiersze z konfliktami</translation>
    </message>
    <message>
        <source>Enter the gateway as four numbers 0-255, or leave it empty to keep each printer&apos;s gateway.</source>
        <translation>Wpisz bramę jako cztery liczby 0-255 albo pozostaw pole puste, aby zachować bramę każdej drukarki.</translation>
    </message>
    <message>
        <source>mask %1</source>
        <translation>maska %1</translation>
    </message>
    <message>
        <source>gateway %1</source>
        <translation>brama %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>port %1</translation>
    </message>
    <message>
        <source>DHCP on</source>
        <translation>DHCP włączone</translation>
    </message>
    <message>
        <source>DHCP off</source>
        <translation>DHCP wyłączone</translation>
    </message>
    <message>
        <source>Searching for the printers again: %1 of at most %2 s…</source>
        <translation>Ponowne wyszukiwanie drukarek: %1 z maksymalnie %2 s…</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Drukarki</translation>
    </message>
</context>
<context>
    <name>corvane::lan::DeviceListDialog</name>
    <message>
        <source>Assign addresses...</source>
        <translation>Przydziel adresy...</translation>
    </message>
    <message>
        <source>Gives the chosen printers consecutive addresses.</source>
        <translation>Nadaje wybranym drukarkom kolejne adresy.</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Sposób wykrycia</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>Karta sieciowa</translation>
    </message>
    <message>
        <source>unicast</source>
        <translation>unicast</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>rozgłoszenie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Searching for the printer again: %1 of at most %2 s…</source>
        <translation>Ponowne wyszukiwanie drukarki: %1 z maksymalnie %2 s…</translation>
    </message>
    <message>
        <source>Print a test page</source>
        <translation>Drukuj stronę testową</translation>
    </message>
    <message>
        <source>Prints a test page on the printer at its new address %1, port %2.</source>
        <translation>Drukuje stronę testową na drukarce pod jej nowym adresem %1, port %2.</translation>
    </message>
</context>
<context>
    <name>corvane::provision::ProvisionDialog</name>
    <message>
        <source>Provision printers</source>
        <translation>Konfiguracja wielu drukarek</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wybierz...</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil:</translation>
    </message>
    <message>
        <source>Profiles (*.json)</source>
        <translation>Profile (*.json)</translation>
    </message>
    <message>
        <source>Printers &amp;sheet (optional):</source>
        <translation>&amp;Lista drukarek (opcjonalnie):</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>ttyUSB0, ttyS0</source>
        <translation>ttyUSB0, ttyS0</translation>
    </message>
    <message>
        <source>Se&amp;rial ports (optional):</source>
        <translation>Po&amp;rty szeregowe (opcjonalnie):</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>Adres MAC</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Fields changed</source>
        <translation>Zmienione pola</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Drukarki</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>&amp;Uruchom</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <source>The profile cannot be read: %1</source>
        <translation>Nie można odczytać profilu: %1</translation>
    </message>
    <message>
        <source>The profile cannot be used: %1</source>
        <translation>Nie można użyć profilu: %1</translation>
    </message>
    <message>
        <source>The printers sheet cannot be used: %1</source>
        <translation>Nie można użyć listy drukarek: %1</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>Odłączona</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Oczekuje</translation>
    </message>
    <message>
        <source>Configuring</source>
        <translation>Konfigurowanie</translation>
    </message>
    <message>
        <source>Done; unplug it</source>
        <translation>Gotowe; odłącz ją</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Configured (profile only)</source>
        <translation>Skonfigurowana (tylko profil)</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>Skonfigurowana</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Bez zmian</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Niepowodzenie: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) in progress.</source>
        <translation>
            <numerusform>W toku: %n drukarka.</numerusform>
            <numerusform>W toku: %n drukarki.</numerusform>
            <numerusform>W toku: %n drukarek.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Zatrzymano.</translation>
    </message>
    <message numerus="yes">
        <source>Stopping: %n printer(s) still in progress.</source>
        <translation>
            <numerusform>Zatrzymywanie: w toku jeszcze %n drukarka.</numerusform>
            <numerusform>Zatrzymywanie: w toku jeszcze %n drukarki.</numerusform>
            <numerusform>Zatrzymywanie: w toku jeszcze %n drukarek.</numerusform>
        </translation>
    </message>
    <message>
        <source>Configured: %1, unchanged: %2, failed: %3. %4</source>
        <comment>the totals, then the state sentence</comment>
        <translation>Skonfigurowane: %1, bez zmian: %2, nieudane: %3. %4</translation>
    </message>
</context>
</TS>
