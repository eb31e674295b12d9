<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de_DE">
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
        <translation>Einstellung</translation>
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
</context>
<context>
    <name>LanSettingsDialog</name>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Network Setting</source>
        <translation>Netzwerkeinstellung</translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation>IP-Adresse :</translation>
    </message>
    <message>
        <source>Subnet Mask :</source>
        <translation>Subnetzmaske :</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Gateway :</translation>
    </message>
    <message>
        <source>Local Port :</source>
        <translation>Lokaler Port :</translation>
    </message>
    <message>
        <source> (0 ~ 32767)</source>
        <translation> (0 ~ 32767)</translation>
    </message>
    <message>
        <source>Inactivity time :
(0 ~ 3600)    </source>
        <translation>Inaktivitätszeit :
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
        <translation>Baudrate des Geräts :</translation>
    </message>
    <message>
        <source>Fimware Version :</source>
        <translation>Firmware-Version :</translation>
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
        <source>The configuration over a serial or USB link is not available in this build.</source>
        <translation>Die Konfiguration über eine serielle oder USB-Verbindung ist in dieser Version nicht verfügbar.</translation>
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
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
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
        <source>WEP Key is invalid.
WEP Key must be 5 or 10 characters or 10 or 26 hexadecimal digits.</source>
        <translation>Der WEP-Schlüssel ist ungültig.
Der WEP-Schlüssel muss aus 5 oder 10 Zeichen oder aus 10 oder 26 Hexadezimalziffern bestehen.</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Reset the printer.</source>
        <translation>Die Konfiguration ist abgeschlossen.
Setzen Sie den Drucker zurück.</translation>
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
Setzen Sie den Drucker zurück.</translation>
    </message>
    <message>
        <source>Failed to upload the certificate document.
Reset the printer.</source>
        <translation>Das Zertifikat konnte nicht hochgeladen werden.
Setzen Sie den Drucker zurück.</translation>
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
Als Authentifizierung sind nur Open System oder Shared Key erlaubt.</translation>
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
        <translation>Fehler: Die Geräteinformationen konnten nicht gelesen werden.</translation>
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
        <source>Cerification</source>
        <translation>Zertifizierung</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>Open System</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>Shared Key</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>KEINE</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>Infrastrukturnetz</translation>
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
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
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
        <translation>Falsche PIN. Bitte geben Sie Ihre PIN erneut ein.</translation>
    </message>
    <message>
        <source>Currently no network connection is found. Check the network connection.</source>
        <translation>Zurzeit ist keine Netzwerkverbindung vorhanden. Prüfen Sie die Netzwerkverbindung.</translation>
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
        <translation>Dieser Drucker stimmt nicht mit unserem Firmennamen überein.</translation>
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
        <translation>Drucker-Portnummer (0 ~ 32767)</translation>
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
        <translation>Firmware-Version :</translation>
    </message>
    <message>
        <source>Update Date :</source>
        <translation>Aktualisierungsdatum :</translation>
    </message>
    <message>
        <source>Mac Address :</source>
        <translation>MAC-Adresse :</translation>
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
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Network Mode</source>
        <translation>Netzwerkmodus</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>Infrastrukturnetz</translation>
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
        <translation>Netzwerkeinstellung</translation>
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
        <translation>KEINE</translation>
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
        <translation>Drucker-Portnummer</translation>
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
</context>
</TS>