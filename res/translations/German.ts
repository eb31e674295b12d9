<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Sets up the network interface of Zephran POS receipt printers: Ethernet and wireless printers on the local network, and printers attached by a serial port or a USB cable.</source>
        <translation>Richtet die Netzwerkschnittstelle von Zephran-POS-Bondruckern ein: Ethernet- und WLAN-Drucker im lokalen Netz sowie Drucker an einer seriellen Schnittstelle oder einem USB-Kabel.</translation>
    </message>
    <message>
        <source>Copyright © Corvane Tool developers. Free software under the MIT licence.</source>
        <translation>Copyright © Corvane Tool developers. Freie Software unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>About Corvane Tool</source>
        <translation>Über Corvane Tool</translation>
    </message>
</context>
<context>
    <name>BssInfoDialog</name>
    <message>
        <source>BSS Information</source>
        <translation>BSS-Informationen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nr.</translation>
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
        <translation>Modus</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>BSS-Informationen abrufen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>Zugangspunkte, die der Drucker sieht</translation>
    </message>
</context>
<context>
    <name>BssPage</name>
    <message>
        <source>No</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>MODE</source>
        <translation>MODUS</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>BSS-Informationen abrufen</translation>
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
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>Zugangspunkte, die der Drucker sieht</translation>
    </message>
    <message>
        <source>Use this network</source>
        <translation>Dieses Netzwerk verwenden</translation>
    </message>
    <message>
        <source>Puts the chosen network&apos;s name on the Network page and, where the survey names one, its authentication on the Authentication page</source>
        <translation>Übernimmt den Namen des gewählten Netzwerks auf die Seite Netzwerk und, wo die Suche genau eine nennt, seine Authentifizierung auf die Seite Authentifizierung</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation>Infrastruktur</translation>
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
        <translation>Zertifikat</translation>
    </message>
    <message>
        <source>Client Key</source>
        <translation>Client-Schlüssel</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <translation>Client-PEM</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>File Upload</source>
        <translation>Datei hochladen</translation>
    </message>
    <message>
        <source>Original Certificate Format (*)</source>
        <translation>Ursprüngliches Zertifikatsformat (*)</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>Zertifikatsdatei</translation>
    </message>
</context>
<context>
    <name>ConfigApp</name>
    <message>
        <source>Sets up the network interface of Zephran receipt printers.</source>
        <translation>Richtet die Netzwerkschnittstelle von Zephran-Bondruckern ein.</translation>
    </message>
    <message>
        <source>Show the windows in NAME instead of the system&apos;s language: en (the built-in English), a catalog name such as Japanese or German, or a locale name such as de_AT.</source>
        <translation>Zeigt die Fenster in der Sprache NAME statt in der Systemsprache an: en (das eingebaute Englisch), ein Katalogname wie Japanese oder German oder ein Gebietsschema wie de_AT.</translation>
    </message>
    <message>
        <source>corvane-tool: the desktop tool needs a display (a desktop session, or ssh -X); for the command line see corvane --help</source>
        <translation>corvane-tool: Das Desktop-Werkzeug braucht eine Anzeige (eine Desktop-Sitzung oder ssh -X); zur Befehlszeile siehe corvane --help</translation>
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
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>Subnetz</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Configuration(Web)</source>
        <translation>Konfiguration (Web)</translation>
    </message>
    <message>
        <source>BSS Info</source>
        <translation>BSS-Info</translation>
    </message>
    <message>
        <source>Certificate upload</source>
        <translation>Zertifikat hochladen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printer to restart its network…</source>
        <translation>Warte %1 s, bis der Drucker sein Netzwerk neu gestartet hat…</translation>
    </message>
    <message>
        <source>The printer %1 did not answer this search.</source>
        <translation>Der Drucker %1 hat auf diese Suche nicht geantwortet.</translation>
    </message>
    <message>
        <source>This printer does not support changing its settings from the list.</source>
        <translation>Dieser Drucker unterstützt das Ändern seiner Einstellungen aus der Liste nicht.</translation>
    </message>
    <message>
        <source>This printer does not support a web page.</source>
        <translation>Dieser Drucker unterstützt keine Webseite.</translation>
    </message>
    <message>
        <source>This printer does not support the access point survey.</source>
        <translation>Dieser Drucker unterstützt die Suche nach Zugangspunkten nicht.</translation>
    </message>
    <message>
        <source>Printers found</source>
        <translation>Gefundene Drucker</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found.</source>
        <translation>
            <numerusform>%n Drucker gefunden.</numerusform>
            <numerusform>%n Drucker gefunden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found on %1.</source>
        <translation>
            <numerusform>%n Drucker gefunden über %1.</numerusform>
            <numerusform>%n Drucker gefunden über %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Test print</source>
        <translation>Testdruck</translation>
    </message>
    <message>
        <source>Prints a test page on the chosen printer over the network.</source>
        <translation>Druckt über das Netzwerk eine Testseite auf dem gewählten Drucker.</translation>
    </message>
    <message>
        <source>Test page sent to %1.</source>
        <translation>Testseite an %1 gesendet.</translation>
    </message>
    <message>
        <source>The test page was not sent to %1: %2</source>
        <translation>Die Testseite wurde nicht an %1 gesendet: %2</translation>
    </message>
</context>
<context>
    <name>DeviceListExport</name>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Export the list</source>
        <translation>Liste exportieren</translation>
    </message>
    <message>
        <source>CSV (*.csv);;JSON (*.json)</source>
        <translation>CSV (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2</source>
        <translation>Die Liste konnte nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The printers in the list&apos;s order, or only the chosen ones when several are chosen.</source>
        <translation>Die Drucker in der Reihenfolge der Liste, oder nur die ausgewählten, wenn mehrere ausgewählt sind.</translation>
    </message>
</context>
<context>
    <name>DirectConfigDialog</name>
    <message>
        <source>Printer Type</source>
        <translation>Druckertyp</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Kommunikation</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriell</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>This printer don&apos;t match our company name.</source>
        <translation>Der Herstellername dieses Druckers stimmt nicht mit unserem Firmennamen überein.</translation>
    </message>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>POS</source>
        <translation>POS</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Include secrets</source>
        <translation>Geheime Angaben einschließen</translation>
    </message>
    <message>
        <source>Export profile…</source>
        <translation>Profil exportieren…</translation>
    </message>
    <message>
        <source>Import profile…</source>
        <translation>Profil importieren…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>Profile (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Profil importieren</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Profil exportieren</translation>
    </message>
    <message>
        <source>The profile could not be saved:
%1</source>
        <translation>Das Profil konnte nicht gespeichert werden:
%1</translation>
    </message>
    <message>
        <source>The profile has been saved to %1 with its keys and passwords.
Only you can read the file.</source>
        <translation>Das Profil wurde mit seinen Schlüsseln und Passwörtern in %1 gespeichert.
Nur Sie können die Datei lesen.</translation>
    </message>
    <message>
        <source>The profile has been saved to %1.
Keys, passwords and the PIN were left out; importing the profile asks for them.</source>
        <translation>Das Profil wurde in %1 gespeichert.
Schlüssel, Passwörter und PIN wurden weggelassen; beim Importieren des Profils werden sie abgefragt.</translation>
    </message>
    <message>
        <source>The profile %1 cannot be imported:
%2</source>
        <translation>Das Profil %1 kann nicht importiert werden:
%2</translation>
    </message>
    <message>
        <source>The profile was not imported; nothing has changed.
%1</source>
        <translation>Das Profil wurde nicht importiert; nichts wurde geändert.
%1</translation>
    </message>
    <message>
        <source>The profile has been imported. Check the pages, then press Save to write it to the printer.</source>
        <translation>Das Profil wurde importiert. Prüfen Sie die Seiten und drücken Sie dann „Speichern“, um es in den Drucker zu schreiben.</translation>
    </message>
    <message>
        <source>This printer has no %1; those settings were left out.</source>
        <translation>Dieser Drucker hat kein %1; diese Einstellungen wurden weggelassen.</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Connected: %1 — firmware %2, %3</source>
        <translation>Verbunden: %1 — Firmware %2, %3</translation>
    </message>
    <message>
        <source>newer layout</source>
        <translation>neueres Format</translation>
    </message>
    <message>
        <source>older layout</source>
        <translation>älteres Format</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>%1 wird geöffnet…</translation>
    </message>
    <message>
        <source>Checking the printer… attempt %1 of %2</source>
        <translation>Drucker wird geprüft… Versuch %1 von %2</translation>
    </message>
    <message>
        <source>Reading the printer&apos;s settings…</source>
        <translation>Einstellungen des Druckers werden gelesen…</translation>
    </message>
    <message>
        <source>Saving the settings…</source>
        <translation>Einstellungen werden gespeichert…</translation>
    </message>
    <message>
        <source>Surveying the access points…</source>
        <translation>Zugangspunkte werden ermittelt…</translation>
    </message>
    <message>
        <source>Uploading the certificate… part %1 of %2</source>
        <translation>Zertifikat wird hochgeladen… Teil %1 von %2</translation>
    </message>
    <message>
        <source>Include fixed address</source>
        <translation>Feste Adresse einschließen</translation>
    </message>
    <message>
        <source>Put this printer&apos;s address assignment (DHCP or fixed), IP address, subnet mask and gateway in the exported profile, for a printer that replaces it.</source>
        <translation>Übernimmt die Adresszuweisung dieses Druckers (DHCP oder fest), IP-Adresse, Subnetzmaske und Gateway in das exportierte Profil, für einen Drucker, der ihn ersetzt.</translation>
    </message>
    <message>
        <source>Put keys, passwords, the PIN and the SNMP write community in the exported profile; the file is then readable by you alone.</source>
        <translation>Übernimmt Schlüssel, Kennwörter, die PIN und die SNMP-Schreib-Community in das exportierte Profil; die Datei ist dann nur für Sie lesbar.</translation>
    </message>
    <message>
        <source>The printer confirmed the settings, but reading them back shows other values for: %1</source>
        <translation>Der Drucker hat die Einstellungen bestätigt, beim Zurücklesen zeigen sich aber andere Werte für: %1</translation>
    </message>
    <message>
        <source>The printer did not confirm the change, but it may have taken it. Connect again to see what it holds before trying again.</source>
        <translation>Der Drucker hat die Änderung nicht bestätigt, sie aber möglicherweise übernommen. Verbinden Sie sich erneut, um zu sehen, was er enthält, bevor Sie es noch einmal versuchen.</translation>
    </message>
</context>
<context>
    <name>FindAtAddress</name>
    <message>
        <source>Find at address</source>
        <translation>An Adresse suchen</translation>
    </message>
    <message>
        <source>Addresses to ask, such as 10.0.5.20, 10.0.5.1-40 or 10.0.5.7,10.0.6.1-9:</source>
        <translation>Abzufragende Adressen, etwa 10.0.5.20, 10.0.5.1-40 oder 10.0.5.7,10.0.6.1-9:</translation>
    </message>
    <message>
        <source>These addresses cannot be asked: %1</source>
        <translation>Diese Adressen können nicht abgefragt werden: %1</translation>
    </message>
    <message>
        <source>Find at address...</source>
        <translation>An Adresse suchen...</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The change was made, but it could not be added to the history: %1</source>
        <translation>Die Änderung wurde vorgenommen, konnte aber nicht in den Verlauf eingetragen werden: %1</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>kein JSON-Objekt</translation>
    </message>
    <message>
        <source>no valid time</source>
        <translation>keine gültige Zeit</translation>
    </message>
    <message>
        <source>no outcome or no list of changes</source>
        <translation>kein Ergebnis oder keine Liste der Änderungen</translation>
    </message>
    <message>
        <source>a change without a field name</source>
        <translation>eine Änderung ohne Feldnamen</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 stayed locked by another program</source>
        <translation>%1 blieb von einem anderen Programm gesperrt</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>line %1 of %2 skipped: %3</source>
        <translation>Zeile %1 von %2 übersprungen: %3</translation>
    </message>
    <message>
        <source>The change may have reached the printer, but it could not be added to the history: %1</source>
        <translation>Die Änderung hat den Drucker möglicherweise erreicht, konnte aber nicht in den Verlauf eingetragen werden: %1</translation>
    </message>
    <message>
        <source>The failed attempt could not be added to the history: %1</source>
        <translation>Der fehlgeschlagene Versuch konnte nicht in den Verlauf eingetragen werden: %1</translation>
    </message>
    <message>
        <source>The change could not be added to the history: %1</source>
        <translation>Die Änderung konnte nicht in den Verlauf eingetragen werden: %1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the history is not written through links</source>
        <translation>%1 ist ein symbolischer Link; der Verlauf wird nicht über Links geschrieben</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>cannot read %1: %2 is not a folder</source>
        <translation>%1 kann nicht gelesen werden: %2 ist kein Ordner</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv);;All files (*)</source>
        <translation>Kommagetrennte Werte (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>History of changes</source>
        <translation>Verlauf der Änderungen</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>All printers</source>
        <translation>Alle Drucker</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Zeit (UTC)</translation>
    </message>
    <message>
        <source>Front end</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Way in</source>
        <translation>Zugang</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exportieren…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The history could not be exported:
%1</source>
        <translation>Der Verlauf konnte nicht exportiert werden:
%1</translation>
    </message>
</context>
<context>
    <name>Ipv4AddressEdit</name>
    <message>
        <source>This mask is not a run of ones followed by zeros (such as 255.255.255.0).</source>
        <translation>Diese Maske besteht nicht aus lauter Einsen gefolgt von Nullen (wie 255.255.255.0).</translation>
    </message>
    <message>
        <source>This is the network address of the subnet its mask spans; no device can use it.</source>
        <translation>Dies ist die Netzwerkadresse des Subnetzes, das die Maske umfasst; kein Gerät kann sie verwenden.</translation>
    </message>
    <message>
        <source>This is the broadcast address of the subnet its mask spans; no device can use it.</source>
        <translation>Dies ist die Broadcast-Adresse des Subnetzes, das die Maske umfasst; kein Gerät kann sie verwenden.</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>%1, part %2 of 4</source>
        <translation>%1, Teil %2 von 4</translation>
    </message>
    <message>
        <source>0 to 255</source>
        <translation>0 bis 255</translation>
    </message>
</context>
<context>
    <name>LanEndpoints</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address or a range A.B.C.D-E</source>
        <translation>„%1“ ist weder eine IPv4-Adresse noch ein Bereich A.B.C.D-E</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; ends before it starts</source>
        <translation>der Bereich „%1“ endet, bevor er beginnt</translation>
    </message>
    <message>
        <source>more than %1 addresses</source>
        <translation>mehr als %1 Adressen</translation>
    </message>
    <message>
        <source>the list has an empty entry (two commas in a row, or one at an end)</source>
        <translation>die Liste hat einen leeren Eintrag (zwei Kommas hintereinander oder eines am Ende)</translation>
    </message>
</context>
<context>
    <name>LanSendChecks</name>
    <message>
        <source>The subnet mask %1 is not contiguous: its ones must all come before its zeros.</source>
        <translation>Die Subnetzmaske %1 ist nicht zusammenhängend: Alle Einsen müssen vor den Nullen stehen.</translation>
    </message>
    <message>
        <source>The IP address %1 is the network address of its subnet; no device can use it.</source>
        <translation>Die IP-Adresse %1 ist die Netzadresse ihres Subnetzes; kein Gerät kann sie verwenden.</translation>
    </message>
    <message>
        <source>The IP address %1 is the broadcast address of its subnet; no device can use it.</source>
        <translation>Die IP-Adresse %1 ist die Broadcast-Adresse ihres Subnetzes; kein Gerät kann sie verwenden.</translation>
    </message>
    <message>
        <source>The IP address %1 is reserved (%2) and cannot be a printer&apos;s address.</source>
        <translation>Die IP-Adresse %1 ist reserviert (%2) und kann nicht die Adresse eines Druckers sein.</translation>
    </message>
    <message>
        <source>The gateway %1 is outside the subnet %2 of the IP address; the printer could not reach it.</source>
        <translation>Das Gateway %1 liegt außerhalb des Subnetzes %2 der IP-Adresse; der Drucker könnte es nicht erreichen.</translation>
    </message>
    <message>
        <source>The IP address %1 is already used by the printer %2 in the list.</source>
        <translation>Die IP-Adresse %1 wird bereits vom Drucker %2 in der Liste verwendet.</translation>
    </message>
    <message>
        <source>The IP address %1 is outside the subnet %2 of this computer&apos;s address %3: this computer will no longer reach the printer without a route.</source>
        <translation>Die IP-Adresse %1 liegt außerhalb des Subnetzes %2 der Adresse %3 dieses Computers: Ohne Route erreicht dieser Computer den Drucker nicht mehr.</translation>
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
        <translation>Netzwerkeinstellungen</translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>Subnet Mask :</source>
        <translation>Subnetzmaske:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Local Port :</source>
        <translation>Lokaler Port:</translation>
    </message>
    <message>
        <source> (0 ~ 32767)</source>
        <translation> (0 ~ 32767)</translation>
    </message>
    <message>
        <source>Inactivity time :
(0 ~ 3600)    </source>
        <translation>Inaktivitätszeit:
(0 ~ 3600)    </translation>
    </message>
    <message>
        <source>sec (Default: 0)</source>
        <translation>s (Standard: 0)</translation>
    </message>
    <message>
        <source>DHCP Mode</source>
        <translation>DHCP-Modus</translation>
    </message>
    <message>
        <source>Device Baudrate :</source>
        <translation>Baudrate des Geräts:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>WLAN-Konfiguration</translation>
    </message>
    <message>
        <source>Ethernet Configuration</source>
        <translation>Ethernet-Konfiguration</translation>
    </message>
    <message>
        <source>TCP port, up to 32767</source>
        <translation>TCP-Port, bis 32767</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>Sekunden, 0 bis 3600</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>Firmware-Version:</translation>
    </message>
    <message>
        <source>The settings to be sent give these warnings:</source>
        <translation>Zu den Einstellungen, die gesendet werden sollen, gibt es diese Warnungen:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Trotzdem speichern</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>The settings to be sent conflict with the network or another printer:</source>
        <translation>Die zu sendenden Einstellungen stehen im Konflikt mit dem Netzwerk oder einem anderen Drucker:</translation>
    </message>
    <message>
        <source>Save despite the conflicts</source>
        <translation>Trotz der Konflikte speichern</translation>
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
        <translation>Ethernet-Konfiguration
(Ethernet)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(WLAN)</source>
        <translation>WLAN-Konfiguration
(WLAN)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(USB)</source>
        <translation>WLAN-Konfiguration
(USB)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Verlauf…</translation>
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
        <translation>IP-Adresse - </translation>
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
        <source>Addresses of this computer</source>
        <translation>Adressen dieses Computers</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>Alle Adressen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Network Mode</source>
        <translation>Netzwerkmodus</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>Infrastruktur</translation>
    </message>
    <message>
        <source>Ad Hoc Channel</source>
        <translation>Ad-hoc-Kanal</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Conn Mode</source>
        <translation>Verbindungsmodus</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN-Code</translation>
    </message>
    <message>
        <source>IP Assignment Method</source>
        <translation>IP-Zuweisungsmethode</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>Automatische Zuweisung (DHCP)</translation>
    </message>
    <message>
        <source>Manual Allocation</source>
        <translation>Manuelle Zuweisung</translation>
    </message>
    <message>
        <source>Network Setting</source>
        <translation>Netzwerkeinstellungen</translation>
    </message>
    <message>
        <source>Inactivity Time (0~3600)</source>
        <translation>Inaktivitätszeit (0~3600)</translation>
    </message>
    <message>
        <source>Sec (Default: 0)</source>
        <translation>Sek. (Standard: 0)</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>Ad-hoc</translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <translation>Wi-Fi Direct</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Channel, 1 to 14</source>
        <translation>Kanal, 1 bis 14</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>Sekunden, 0 bis 3600</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>Permission denied: add your user to the &apos;dialout&apos; group (serial) or &apos;lp&apos; group (USB printer), then log in again</source>
        <translation>Zugriff verweigert: Fügen Sie Ihren Benutzer der Gruppe &apos;dialout&apos; (seriell) oder &apos;lp&apos; (USB-Drucker) hinzu und melden Sie sich dann neu an</translation>
    </message>
    <message>
        <source>Your user needs to be in the group &apos;%1&apos; that owns %2: run &quot;sudo usermod -aG %1 $USER&quot;, then log in again.</source>
        <translation>Ihr Benutzer muss der Gruppe &apos;%1&apos; angehören, der %2 gehört: Führen Sie &quot;sudo usermod -aG %1 $USER&quot; aus und melden Sie sich dann neu an.</translation>
    </message>
    <message>
        <source>No printer is ready on this line: its DSR or CTS signal is off.</source>
        <translation>An dieser Leitung ist kein Drucker bereit: sein DSR- oder CTS-Signal ist aus.</translation>
    </message>
    <message>
        <source>The port does not take the printer&apos;s line settings (115200 baud, 8 data bits, no parity, 1 stop bit, RTS/CTS).</source>
        <translation>Der Anschluss übernimmt die Leitungseinstellungen des Druckers nicht (115200 Baud, 8 Datenbits, keine Parität, 1 Stoppbit, RTS/CTS).</translation>
    </message>
    <message>
        <source>The device is in use by another program.</source>
        <translation>Das Gerät wird von einem anderen Programm verwendet.</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>&quot;%1&quot; muss ein Text sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number</source>
        <translation>&quot;%1&quot; muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a dotted IPv4 address such as &quot;192.168.0.10&quot;</source>
        <translation>&quot;%1&quot; muss eine IPv4-Adresse in Punktschreibweise sein, etwa &quot;192.168.0.10&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a value of the wrong kind</source>
        <translation>&quot;%1&quot; hat einen Wert der falschen Art</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than its %2 bytes</source>
        <translation>&quot;%1&quot; ist länger als seine %2 Bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not contain a zero character</source>
        <translation>&quot;%1&quot; darf kein Nullzeichen enthalten</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from 0 to %2</source>
        <translation>&quot;%1&quot; muss eine ganze Zahl von 0 bis %2 sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to one printer and is never part of a profile</source>
        <translation>&quot;%1&quot; gehört zu einem einzelnen Drucker und ist nie Teil eines Profils</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a profile</source>
        <translation>&quot;%1&quot; ist keine Einstellung eines Profils</translation>
    </message>
    <message>
        <source>not valid JSON (%1 at offset %2)</source>
        <translation>kein gültiges JSON (%1 an Position %2)</translation>
    </message>
    <message>
        <source>the file must hold one JSON object</source>
        <translation>die Datei muss genau ein JSON-Objekt enthalten</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot; (a profile holds &quot;format&quot; and &quot;config&quot;)</source>
        <translation>unbekannter Schlüssel &quot;%1&quot; (ein Profil enthält &quot;format&quot; und &quot;config&quot;)</translation>
    </message>
    <message>
        <source>&quot;format&quot; must be &quot;%1&quot;</source>
        <translation>&quot;format&quot; muss &quot;%1&quot; sein</translation>
    </message>
    <message>
        <source>the file has no &quot;config&quot; object</source>
        <translation>die Datei hat kein &quot;config&quot;-Objekt</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: Wi-Fi Direct needs a printer with the newer record layout</source>
        <translation>&quot;%1&quot;: Wi-Fi Direct braucht einen Drucker mit dem neueren Datensatzformat</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears more than once</source>
        <translation>der Schlüssel „%1“ kommt mehrfach vor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a secret; a secrets file holds only %2</source>
        <translation>„%1“ ist keine geheime Angabe; eine Datei mit geheimen Angaben enthält nur %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the profile would fix this DHCP printer at the address it holds now; a profile that changes the address assignment needs the address too (export with the address)</source>
        <translation>„%1“: Das Profil würde diesen DHCP-Drucker auf die Adresse festlegen, die er gerade hat; ein Profil, das die Adresszuweisung ändert, braucht auch die Adresse (mit Adresse exportieren)</translation>
    </message>
</context>
<context>
    <name>ProtocolPage</name>
    <message>
        <source>Task State</source>
        <translation>Dienststatus</translation>
    </message>
    <message>
        <source>Community Name (Read):</source>
        <translation>Community-Name (Lesen):</translation>
    </message>
    <message>
        <source>Community Name (Write):</source>
        <translation>Community-Name (Schreiben):</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>Trap-IP-Adresse</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>Trap-Community</translation>
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
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Search...</source>
        <translation>Suche...</translation>
    </message>
    <message>
        <source>Searching.</source>
        <translation>Suche läuft.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SecretToggle</name>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Show or hide what is typed</source>
        <translation>Eingabe anzeigen oder verbergen</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>%1 anzeigen</translation>
    </message>
</context>
<context>
    <name>SecretsDialog</name>
    <message>
        <source>WEP Key</source>
        <translation>WEP-Schlüssel</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>PSK-Schlüssel</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN-Code</translation>
    </message>
    <message>
        <source>The profile leaves out these secrets. Enter them for this printer:</source>
        <translation>Das Profil enthält diese geheimen Angaben nicht. Geben Sie sie für diesen Drucker ein:</translation>
    </message>
</context>
<context>
    <name>SecurityPage</name>
    <message>
        <source>Authentication</source>
        <translation>Authentifizierung</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>Offenes System</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>Gemeinsamer Schlüssel</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>WEP Key</source>
        <translation>WEP-Schlüssel</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>PSK-Schlüssel</translation>
    </message>
    <message>
        <source>Authentication ID</source>
        <translation>Authentifizierungs-ID</translation>
    </message>
    <message>
        <source>Authentication Password</source>
        <translation>Authentifizierungspasswort</translation>
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
</context>
<context>
    <name>SettingsSummaryDialog</name>
    <message>
        <source>No</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>Druckername</translation>
    </message>
    <message>
        <source>Printer Port Num</source>
        <translation>Portnummer des Druckers</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Benutzer-ID</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>Benutzerpasswort</translation>
    </message>
    <message>
        <source>Set Community</source>
        <translation>Community (Schreiben)</translation>
    </message>
    <message>
        <source>Get Community</source>
        <translation>Community (Lesen)</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>Trap-IP-Adresse</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>Trap-Community</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Netzwerkmodus</translation>
    </message>
    <message>
        <source>Adhoc Channel</source>
        <translation>Ad-hoc-Kanal</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>Inaktivitätszeit</translation>
    </message>
    <message>
        <source>IP Assignment method</source>
        <translation>IP-Zuweisungsmethode</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Authentifizierung</translation>
    </message>
    <message>
        <source>Cryptograph</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>WEP Key</source>
        <translation>WEP-Schlüssel</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>PSK-Schlüssel</translation>
    </message>
    <message>
        <source>EAP Mode</source>
        <translation>EAP-Modus</translation>
    </message>
    <message>
        <source>Auth ID</source>
        <translation>Auth-ID</translation>
    </message>
    <message>
        <source>Auth Password/Certification Key(EAP-TLS)</source>
        <translation>Auth-Passwort/Zertifikatsschlüssel (EAP-TLS)</translation>
    </message>
    <message>
        <source>P2P Conn Mode</source>
        <translation>P2P-Verbindungsmodus</translation>
    </message>
    <message>
        <source>P2P Channel</source>
        <translation>P2P-Kanal</translation>
    </message>
    <message>
        <source>P2P Pin Code</source>
        <translation>P2P-PIN-Code</translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
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
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Settings written to the printer</source>
        <translation>Auf den Drucker geschriebene Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Show secrets</source>
        <translation>&amp;Geheimnisse anzeigen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copies every row, tab-separated, as shown</source>
        <translation>Kopiert alle Zeilen, durch Tabulatoren getrennt, wie angezeigt</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The BSS information has been imported successfully.</source>
        <translation>Die BSS-Informationen wurden erfolgreich übernommen.</translation>
    </message>
    <message>
        <source>Failed to import the BSS information.
Please check the IP address or port number to connect to.</source>
        <translation>Die BSS-Informationen konnten nicht übernommen werden.
Bitte prüfen Sie die IP-Adresse oder die Portnummer der Verbindung.</translation>
    </message>
    <message>
        <source>Failed to connect to the printer.</source>
        <translation>Die Verbindung zum Drucker ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Reset the printer.</source>
        <translation>Die Konfiguration ist abgeschlossen.
Starten Sie den Drucker neu.</translation>
    </message>
    <message>
        <source>The configuration has failed.</source>
        <translation>Die Konfiguration ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Unable to open the port.</source>
        <translation>Der Anschluss kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The User ID is incorrect.
Please try again.</source>
        <translation>Die Benutzer-ID ist falsch.
Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The Password is incorrect.
Please try again.</source>
        <translation>Das Passwort ist falsch.
Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The system name is incorrect.
Please try again.</source>
        <translation>Der Systemname ist falsch.
Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The port number is incorrect.
Please try again.</source>
        <translation>Die Portnummer ist falsch.
Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The community name is incorrect.
Please try again.</source>
        <translation>Der Community-Name ist falsch.
Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The trap community is incorrect.
Please try again.</source>
        <translation>Die Trap-Community ist falsch.
Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The Adhoc channel is incorrect.
Please try again.</source>
        <translation>Der Ad-hoc-Kanal ist falsch.
Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The SSID is incorrect.
Please try again.</source>
        <translation>Die SSID ist falsch.
Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
Please try again.</source>
        <translation>Der PSK-Schlüssel ist falsch.
Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The certificate ID is incorrect.
Please try again.</source>
        <translation>Die Zertifikat-ID ist falsch.
Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The certificate password is incorrect.
Please try again.</source>
        <translation>Das Zertifikatspasswort ist falsch.
Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The printer has been connected successfully.</source>
        <translation>Der Drucker wurde erfolgreich verbunden.</translation>
    </message>
    <message>
        <source>The certificate document has been uploaded successfully.
Reset the printer.</source>
        <translation>Das Zertifikat wurde erfolgreich hochgeladen.
Starten Sie den Drucker neu.</translation>
    </message>
    <message>
        <source>Failed to upload the certificate document.
Reset the printer.</source>
        <translation>Das Zertifikat konnte nicht hochgeladen werden.
Starten Sie den Drucker neu.</translation>
    </message>
    <message>
        <source>The maximum size of a certificate file is 3KB.</source>
        <translation>Eine Zertifikatsdatei darf höchstens 3 KB groß sein.</translation>
    </message>
    <message>
        <source>The certificate file is selected.</source>
        <translation>Die Zertifikatsdatei ist ausgewählt.</translation>
    </message>
    <message>
        <source>The certificate file is invalid.</source>
        <translation>Die Zertifikatsdatei ist ungültig.</translation>
    </message>
    <message>
        <source>No certificate file is selected or the selected file is invalid.</source>
        <translation>Es ist keine Zertifikatsdatei ausgewählt oder die ausgewählte Datei ist ungültig.</translation>
    </message>
    <message>
        <source>The Adhoc mode is not available.
Authentication is allowed in either Open System or Shared Key.</source>
        <translation>Der Ad-hoc-Modus ist nicht verfügbar.
Als Authentifizierung sind nur Offenes System oder Gemeinsamer Schlüssel erlaubt.</translation>
    </message>
    <message>
        <source>Failed to read the certificate file.</source>
        <translation>Die Zertifikatsdatei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Please select a device in the list.</source>
        <translation>Bitte wählen Sie ein Gerät in der Liste aus.</translation>
    </message>
    <message>
        <source>Please search for a device again.</source>
        <translation>Bitte suchen Sie erneut nach Geräten.</translation>
    </message>
    <message>
        <source>Error: Failed to read the list of information.</source>
        <translation>Fehler: Die Informationsliste konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Please check the IP address or port number.</source>
        <translation>Bitte prüfen Sie die IP-Adresse oder die Portnummer.</translation>
    </message>
    <message>
        <source>The specified port is not available.
Please enter a port number again.</source>
        <translation>Der angegebene Port ist nicht verfügbar.
Bitte geben Sie erneut eine Portnummer ein.</translation>
    </message>
    <message>
        <source>The IP address cannot be used.
Please enter an IP address again.</source>
        <translation>Diese IP-Adresse kann nicht verwendet werden.
Bitte geben Sie erneut eine IP-Adresse ein.</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>Die Konfiguration ist abgeschlossen.
Bitte suchen Sie erneut nach Geräten, falls die Liste nicht aktualisiert wird.</translation>
    </message>
    <message>
        <source>The WLAN configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>Die WLAN-Konfiguration ist abgeschlossen.
Bitte suchen Sie erneut nach Geräten, falls die Liste nicht aktualisiert wird.</translation>
    </message>
    <message>
        <source>Unable to configure the port.
Please enter a port number again.(0~32767)</source>
        <translation>Der Port kann nicht eingestellt werden.
Bitte geben Sie erneut eine Portnummer ein. (0~32767)</translation>
    </message>
    <message>
        <source>Unable to save the configuration.
Please configure again.</source>
        <translation>Die Konfiguration konnte nicht gespeichert werden.
Bitte konfigurieren Sie erneut.</translation>
    </message>
    <message>
        <source>The time has not been set.
Please enter time again.</source>
        <translation>Die Zeit wurde nicht eingestellt.
Bitte geben Sie die Zeit erneut ein.</translation>
    </message>
    <message>
        <source>The channel number has not been set.
Please enter a channel number again.(0~14)</source>
        <translation>Die Kanalnummer wurde nicht eingestellt.
Bitte geben Sie erneut eine Kanalnummer ein. (0~14)</translation>
    </message>
    <message>
        <source>Network is in Adhoc mode.
You must assign IP address manually.</source>
        <translation>Das Netzwerk ist im Ad-hoc-Modus.
Die IP-Adresse muss manuell vergeben werden.</translation>
    </message>
    <message>
        <source>Unable to connect to the USB device.</source>
        <translation>Keine Verbindung zum USB-Gerät möglich.</translation>
    </message>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Now Searching</source>
        <translation>Suche läuft</translation>
    </message>
    <message>
        <source>System &amp; Information</source>
        <translation>System und Informationen</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <translation>BSS-Informationen</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Authentifizierung</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>Offenes System</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>Gemeinsamer Schlüssel</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>Infrastruktur</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>Ad-hoc</translation>
    </message>
    <message>
        <source>Manual allocation</source>
        <translation>Manuelle Zuweisung</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>Automatische Zuweisung (DHCP)</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktiviert</translation>
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
        <translation>Authentifizierungspasswort</translation>
    </message>
    <message>
        <source>Certification Password</source>
        <translation>Zertifikatspasswort</translation>
    </message>
    <message>
        <source>Incorrect PIN. Please re-enter your PIN Code.</source>
        <translation>Falsche PIN. Bitte geben Sie den PIN-Code erneut ein.</translation>
    </message>
    <message>
        <source>Currently no network connection is found. Check the network connection.</source>
        <translation>Es wurde keine Netzwerkverbindung gefunden. Prüfen Sie die Netzwerkverbindung.</translation>
    </message>
    <message>
        <source>The text is too long for the printer.
Please shorten it (some characters take more than one byte).</source>
        <translation>Der Text ist für den Drucker zu lang.
Bitte kürzen Sie ihn (manche Zeichen belegen mehr als ein Byte).</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
It must be 8 to 63 printable ASCII characters or 64 hexadecimal digits.</source>
        <translation>Der PSK-Schlüssel ist falsch.
Er muss aus 8 bis 63 druckbaren ASCII-Zeichen oder aus 64 Hexadezimalziffern bestehen.</translation>
    </message>
    <message>
        <source>This setting cannot be chosen together with the other settings.
Please check the settings and try again.</source>
        <translation>Diese Einstellung kann zusammen mit den übrigen Einstellungen nicht gewählt werden.
Bitte prüfen Sie die Einstellungen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The search could not start.
%1</source>
        <translation>Die Suche konnte nicht gestartet werden.
%1</translation>
    </message>
    <message>
        <source>The settings could not be sent.
%1</source>
        <translation>Die Einstellungen konnten nicht gesendet werden.
%1</translation>
    </message>
    <message>
        <source>The local address %1 cannot be used.</source>
        <translation>Die lokale Adresse %1 kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The local UDP port %1 cannot be used.</source>
        <translation>Der lokale UDP-Port %1 kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The request could not leave this computer: %1</source>
        <translation>Die Anfrage konnte diesen Computer nicht verlassen: %1</translation>
    </message>
    <message>
        <source>No web browser could be opened.
Please open this address in a web browser:
%1</source>
        <translation>Es konnte kein Webbrowser geöffnet werden.
Bitte öffnen Sie diese Adresse in einem Webbrowser:
%1</translation>
    </message>
    <message>
        <source>The printer has no IP address configured.
Its web page cannot be opened.</source>
        <translation>Für den Drucker ist keine IP-Adresse konfiguriert.
Seine Webseite kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>This printer does not offer Setting (feature code %1).</source>
        <translation>Dieser Drucker bietet keine Einstellung an (Funktionscode %1).</translation>
    </message>
    <message>
        <source>Discard the changes made since Connect?</source>
        <translation>Die seit dem Verbinden vorgenommenen Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>WEP Key is invalid.
WEP Key must be 5 or 13 characters, or 10 or 26 hexadecimal digits.</source>
        <translation>Der WEP-Schlüssel ist ungültig.
Der WEP-Schlüssel muss aus 5 oder 13 Zeichen oder aus 10 oder 26 Hexadezimalziffern bestehen.</translation>
    </message>
    <message>
        <source>Certification</source>
        <translation>Zertifikate</translation>
    </message>
    <message>
        <source>The subnet mask is not valid: its ones must all come before its zeros.
Please enter the subnet mask again.</source>
        <translation>Die Subnetzmaske ist ungültig: Alle Einsen müssen vor den Nullen stehen.
Bitte geben Sie die Subnetzmaske erneut ein.</translation>
    </message>
    <message>
        <source>UDP port %1 is in use by another program.</source>
        <translation>Der UDP-Port %1 wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>The requests cannot be kept to interface %1: %2</source>
        <translation>Die Anfragen können nicht auf die Schnittstelle %1 beschränkt werden: %2</translation>
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
        <translation>Druckername</translation>
    </message>
    <message>
        <source>Printer Port Num (0 ~ 32767)</source>
        <translation>Portnummer des Druckers (0 ~ 32767)</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Benutzer-ID</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>Benutzerpasswort</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Passwort bestätigen</translation>
    </message>
    <message>
        <source>Firmware Information</source>
        <translation>Firmware-Informationen</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>Firmware-Version:</translation>
    </message>
    <message>
        <source>Update Date :</source>
        <translation>Aktualisierungsdatum:</translation>
    </message>
    <message>
        <source>Mac Address :</source>
        <translation>MAC-Adresse:</translation>
    </message>
    <message>
        <source>TCP port, 0 to 32767</source>
        <translation>TCP-Port, 0 bis 32767</translation>
    </message>
</context>
<context>
    <name>VerificationNote</name>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>subnet mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>inactivity time</source>
        <translation>Inaktivitätszeit</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>baud rate code</source>
        <translation>Baudraten-Code</translation>
    </message>
    <message>
        <source>Not verified: the printer did not answer the search after the change.</source>
        <translation>Nicht überprüft: Der Drucker hat auf die Suche nach der Änderung nicht geantwortet.</translation>
    </message>
    <message>
        <source>Verified: now at %1, port %2</source>
        <translation>Überprüft: jetzt unter %1, Port %2</translation>
    </message>
    <message>
        <source>%1 %2 instead of %3</source>
        <translation>%1 %2 statt %3</translation>
    </message>
    <message>
        <source>Not verified: the printer reports %1.</source>
        <translation>Nicht überprüft: Der Drucker meldet %1.</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>Nicht überprüft: Die Prüfung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Not verified: DHCP is on and the printer has no address yet.</source>
        <translation>Nicht überprüft: DHCP ist eingeschaltet und der Drucker hat noch keine Adresse.</translation>
    </message>
</context>
<context>
    <name>corvane::app::LauncherDialog</name>
    <message>
        <source>Provision printers...</source>
        <translation>Mehrere Drucker einrichten...</translation>
    </message>
</context>
<context>
    <name>corvane::lan::AssignAddressesDialog</name>
    <message>
        <source>Assign addresses</source>
        <translation>Adressen zuweisen</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>Erste Adresse</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>Gateway (optional)</source>
        <translation>Gateway (optional)</translation>
    </message>
    <message>
        <source>Port (optional)</source>
        <translation>Port (optional)</translation>
    </message>
    <message>
        <source>Send rows with warnings too</source>
        <translation>Zeilen mit Warnungen auch senden</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Enter the first address as four numbers 0-255 with dots between them.</source>
        <translation>Geben Sie die erste Adresse als vier Zahlen von 0 bis 255 mit Punkten dazwischen ein.</translation>
    </message>
    <message>
        <source>Enter the subnet mask as four numbers 0-255 with dots between them.</source>
        <translation>Geben Sie die Subnetzmaske als vier Zahlen von 0 bis 255 mit Punkten dazwischen ein.</translation>
    </message>
    <message>
        <source>Enter the port as a number, or leave it empty to keep each printer&apos;s port.</source>
        <translation>Geben Sie den Port als Zahl ein oder lassen Sie ihn leer, um den Port jedes Druckers zu behalten.</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nicht gesendet</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>bestätigt</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>nicht bestätigt</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>überprüft</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>nicht überprüft</translation>
    </message>
    <message>
        <source>Sending to %1 (%2 of %3)…</source>
        <translation>Senden an %1 (%2 von %3)…</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printers to restart, then searching for them again…</source>
        <translation>%1 s warten, bis die Drucker neu gestartet sind, dann erneut nach ihnen suchen…</translation>
    </message>
    <message>
        <source>Cancelled before anything was sent.</source>
        <translation>Abgebrochen, bevor etwas gesendet wurde.</translation>
    </message>
    <message>
        <source>Cancelled: sent to %1; the other rows were not sent.</source>
        <translation>Abgebrochen: gesendet an %1; die übrigen Zeilen wurden nicht gesendet.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 take each other&apos;s addresses in a circle, which would need a temporary address: nothing is sent to them. Give one of them an unused address first.</source>
        <translation>%1 übernehmen im Kreis gegenseitig ihre Adressen, wofür eine vorübergehende Adresse nötig wäre: An sie wird nichts gesendet. Geben Sie zuerst einem von ihnen eine freie Adresse.</translation>
    </message>
    <message>
        <source>%1 still holds %2: its own row did not move it away, so this row was not sent.</source>
        <translation>%1 belegt noch %2: Seine eigene Zeile hat ihn nicht verlegt, daher wurde diese Zeile nicht gesendet.</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>Nicht überprüft: Die Prüfung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The check after the change was cancelled: the confirmed printers are not verified.</source>
        <translation>Die Prüfung nach der Änderung wurde abgebrochen: Die bestätigten Drucker sind nicht überprüft.</translation>
    </message>
    <message>
        <source>will not be sent</source>
        <translation>wird nicht gesendet</translation>
    </message>
    <message>
        <source>will be sent</source>
        <translation>wird gesendet</translation>
    </message>
    <message numerus="yes">
        <source>Done: the new address shows on %1 of %n printer(s).</source>
        <translation>
            <numerusform>Fertig: %1 von %n Drucker zeigt die neue Adresse.</numerusform>
            <numerusform>Fertig: %1 von %n Druckern zeigen die neue Adresse.</numerusform>
        </translation>
    </message>
    <message>
        <source>Send rows with conflicts too</source>
        <translation>Zeilen mit Konflikten auch senden</translation>
    </message>
    <message>
        <source>Enter the gateway as four numbers 0-255, or leave it empty to keep each printer&apos;s gateway.</source>
        <translation>Geben Sie das Gateway als vier Zahlen von 0 bis 255 ein oder lassen Sie das Feld leer, um das Gateway jedes Druckers zu behalten.</translation>
    </message>
    <message>
        <source>mask %1</source>
        <translation>Maske %1</translation>
    </message>
    <message>
        <source>gateway %1</source>
        <translation>Gateway %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>Port %1</translation>
    </message>
    <message>
        <source>DHCP on</source>
        <translation>DHCP ein</translation>
    </message>
    <message>
        <source>DHCP off</source>
        <translation>DHCP aus</translation>
    </message>
    <message>
        <source>Searching for the printers again: %1 of at most %2 s…</source>
        <translation>Erneute Suche nach den Druckern: %1 von höchstens %2 s…</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Drucker</translation>
    </message>
</context>
<context>
    <name>corvane::lan::DeviceListDialog</name>
    <message>
        <source>Assign addresses...</source>
        <translation>Adressen zuweisen...</translation>
    </message>
    <message>
        <source>Gives the chosen printers consecutive addresses.</source>
        <translation>Gibt den gewählten Druckern aufeinanderfolgende Adressen.</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Erreicht</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>Adapter</translation>
    </message>
    <message>
        <source>unicast</source>
        <translation>Unicast</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>Broadcast</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Searching for the printer again: %1 of at most %2 s…</source>
        <translation>Erneute Suche nach dem Drucker: %1 von höchstens %2 s…</translation>
    </message>
    <message>
        <source>Print a test page</source>
        <translation>Testseite drucken</translation>
    </message>
    <message>
        <source>Prints a test page on the printer at its new address %1, port %2.</source>
        <translation>Druckt eine Testseite auf dem Drucker unter seiner neuen Adresse %1, Port %2.</translation>
    </message>
</context>
<context>
    <name>corvane::provision::ProvisionDialog</name>
    <message>
        <source>Provision printers</source>
        <translation>Mehrere Drucker einrichten</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen...</translation>
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
        <translation>Drucker&amp;liste (optional):</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>ttyUSB0, ttyS0</source>
        <translation>ttyUSB0, ttyS0</translation>
    </message>
    <message>
        <source>Se&amp;rial ports (optional):</source>
        <translation>Se&amp;rielle Schnittstellen (optional):</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Fields changed</source>
        <translation>Geänderte Felder</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>S&amp;tarten</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>St&amp;oppen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>The profile cannot be read: %1</source>
        <translation>Das Profil kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The profile cannot be used: %1</source>
        <translation>Das Profil kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>The printers sheet cannot be used: %1</source>
        <translation>Die Druckerliste kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>Ausgesteckt</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Configuring</source>
        <translation>Wird eingerichtet</translation>
    </message>
    <message>
        <source>Done; unplug it</source>
        <translation>Fertig; bitte abstecken</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Configured (profile only)</source>
        <translation>Eingerichtet (nur Profil)</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>Eingerichtet</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) in progress.</source>
        <translation>
            <numerusform>%n Drucker in Arbeit.</numerusform>
            <numerusform>%n Drucker in Arbeit.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Angehalten.</translation>
    </message>
    <message numerus="yes">
        <source>Stopping: %n printer(s) still in progress.</source>
        <translation>
            <numerusform>Wird angehalten: %n Drucker noch in Arbeit.</numerusform>
            <numerusform>Wird angehalten: %n Drucker noch in Arbeit.</numerusform>
        </translation>
    </message>
    <message>
        <source>Configured: %1, unchanged: %2, failed: %3. %4</source>
        <comment>the totals, then the state sentence</comment>
        <translation>Eingerichtet: %1, unverändert: %2, fehlgeschlagen: %3. %4</translation>
    </message>
</context>
</TS>
