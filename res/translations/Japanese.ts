<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>BssInfoDialog</name>
    <message>
        <source>BSS Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BSSID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BssPage</name>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BSSID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CertificatePage</name>
    <message>
        <source>Certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client PEM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Certificate Format (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceListDialog</name>
    <message>
        <source>Corvane Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration(Web)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BSS Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certificate upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DirectConfigDialog</name>
    <message>
        <source>Corvane Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This printer don&apos;t match our company name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanSettingsDialog</name>
    <message>
        <source>Corvane Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet Mask :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Port :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (0 ~ 32767)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inactivity time :
(0 ~ 3600)    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sec (Default: 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DHCP Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Baudrate :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fimware Version :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethernet Configuration</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LauncherDialog</name>
    <message>
        <source>Corvane Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethernet Configuration
(Ethernet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WLAN Configuration
(WLAN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WLAN Configuration
(USB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocalAddressDialog</name>
    <message>
        <source>Corvane Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Network Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ad Hoc Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conn Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Assignment Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual Allocation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inactivity Time (0~3600)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sec (Default: 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProtocolPage</name>
    <message>
        <source>Task State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTTPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TELNET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SNMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Community Name (Read):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Community Name (Write):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Search...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SecurityPage</name>
    <message>
        <source>Authentication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPA-PSK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPA2-PSK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPA2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NONE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WEP64/128</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TKIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES + TKIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EAP-PEAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EAP-TTLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EAP-TLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EAP-LEAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EAP-FAST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WEP Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication Password</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsSummaryDialog</name>
    <message>
        <source>Corvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Port Num</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Https</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ftp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snmp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Community</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Community</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adhoc Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Assignment method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cryptograph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WEP Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EAP Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auth ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auth Password/Certification Key(EAP-TLS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P2P Conn Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P2P Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P2P Pin Code</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The BSS information has been imported successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to import the BSS information.
Please check the IP address or port number to connect to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to connect to the printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WEP Key is invalid.
WEP Key must be 5 or 10 characters or 10 or 26 hexadecimal digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration has been completed.
Reset the printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration has failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open the port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The User ID is incorrect.
Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Password is incorrect.
Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system name is incorrect.
Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port number is incorrect.
Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The community name is incorrect.
Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trap community is incorrect.
Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Adhoc channel is incorrect.
Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SSID is incorrect.
Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate ID is incorrect.
Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate password is incorrect.
Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer has been connected successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate document has been uploaded successfully.
Reset the printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to upload the certificate document.
Reset the printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maximum size of a certificate file is 3KB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate file is selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate file is invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No certificate file is selected or the selected file is invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Adhoc mode is not available.
Authentication is allowed in either Open System or Shared Key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to read the certificate file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a device in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please search for a device again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Failed to read the list of information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please check the IP address or port number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified port is not available.
Please enter a port number again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The IP address cannot be used.
Please enter an IP address again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The WLAN configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to configure the port.
Please enter a port number again.(0~32767)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save the configuration.
Please configure again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time has not been set.
Please enter time again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel number has not been set.
Please enter a channel number again.(0~14)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network is in Adhoc mode.
You must assign IP address manually.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect to the USB device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvane Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now Searching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System &amp; Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BSS Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NONE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual allocation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPA-PSK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPA2-PSK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPA2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WEP64</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WEP128</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TKIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES + TKIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EAP-PEAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EAP-TTLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EAP-TLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EAP-LEAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EAP-FAST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certification Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect PIN. Please re-enter your PIN Code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currently no network connection is found. Check the network connection.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Port Num (0 ~ 32767)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Date :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mac Address :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
