<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>AboutBox</name>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Sets up the network interface of Zephran POS receipt printers: Ethernet and wireless printers on the local network, and printers attached by a serial port or a USB cable.</source>
        <translation>Beállítja a Zephran POS-blokknyomtatók hálózati interfészét: a helyi hálózaton lévő Ethernet- és vezeték nélküli nyomtatókét, valamint a soros porton vagy USB-kábellel csatlakoztatott nyomtatókét.</translation>
    </message>
    <message>
        <source>Copyright © Corvane Tool developers. Free software under the MIT licence.</source>
        <translation>Copyright © Corvane Tool developers. Szabad szoftver, MIT-licenc alatt.</translation>
    </message>
    <message>
        <source>About Corvane Tool</source>
        <translation>A Corvane Tool névjegye</translation>
    </message>
</context>
<context>
    <name>BssInfoDialog</name>
    <message>
        <source>BSS Information</source>
        <translation>BSS-információk</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Sz.</translation>
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
        <translation>Mód</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Biztonság</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>BSS-információk lekérése</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>A nyomtató által észlelt hozzáférési pontok</translation>
    </message>
</context>
<context>
    <name>BssPage</name>
    <message>
        <source>No</source>
        <translation>Sz.</translation>
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
        <translation>MÓD</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Biztonság</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>BSS-információk lekérése</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>A nyomtató által észlelt hozzáférési pontok</translation>
    </message>
    <message>
        <source>Use this network</source>
        <translation>Hálózat használata</translation>
    </message>
    <message>
        <source>Puts the chosen network&apos;s name on the Network page and, where the survey names one, its authentication on the Authentication page</source>
        <translation>A kiválasztott hálózat nevét átírja a Hálózat lapra, és ha a keresés megadja, a hitelesítési módját a Hitelesítés lapra</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation>Infrastruktúra</translation>
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
        <translation>Tanúsítvány</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <translation>Ügyfélkulcs</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <translation>Ügyfél-PEM</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Fájl megnyitása</translation>
    </message>
    <message>
        <source>File Upload</source>
        <translation>Fájl feltöltése</translation>
    </message>
    <message>
        <source>Original Certificate Format (*)</source>
        <translation>Eredeti tanúsítványformátum (*)</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>Tanúsítványfájl</translation>
    </message>
</context>
<context>
    <name>ConfigApp</name>
    <message>
        <source>Sets up the network interface of Zephran receipt printers.</source>
        <translation>Beállítja a Zephran blokknyomtatók hálózati interfészét.</translation>
    </message>
    <message>
        <source>Show the windows in NAME instead of the system&apos;s language: en (the built-in English), a catalog name such as Japanese or German, or a locale name such as de_AT.</source>
        <translation>Az ablakokat a rendszer nyelve helyett a NAME nyelven jeleníti meg: en (a beépített angol), egy katalógus neve, például Japanese vagy German, vagy egy területi beállítás neve, például de_AT.</translation>
    </message>
    <message>
        <source>corvane-tool: the desktop tool needs a display (a desktop session, or ssh -X); for the command line see corvane --help</source>
        <translation>corvane-tool: az asztali eszközhöz kijelző kell (asztali munkamenet vagy ssh -X); a parancssorhoz lásd: corvane --help</translation>
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
        <translation>Sz.</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MAC-cím</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-cím</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>Alhálózat</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Átjáró</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzió</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Keresés</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Beállítás</translation>
    </message>
    <message>
        <source>Configuration(Web)</source>
        <translation>Beállítás (web)</translation>
    </message>
    <message>
        <source>BSS Info</source>
        <translation>BSS-infó</translation>
    </message>
    <message>
        <source>Certificate upload</source>
        <translation>Tanúsítvány feltöltése</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printer to restart its network…</source>
        <translation>%1 mp várakozás, amíg a nyomtató újraindítja a hálózati kapcsolatát…</translation>
    </message>
    <message>
        <source>The printer %1 did not answer this search.</source>
        <translation>A(z) %1 nyomtató nem válaszolt erre a keresésre.</translation>
    </message>
    <message>
        <source>This printer does not support changing its settings from the list.</source>
        <translation>Ez a nyomtató nem támogatja a beállításai módosítását a listából.</translation>
    </message>
    <message>
        <source>This printer does not support a web page.</source>
        <translation>Ez a nyomtató nem rendelkezik weboldallal.</translation>
    </message>
    <message>
        <source>This printer does not support the access point survey.</source>
        <translation>Ez a nyomtató nem támogatja a hozzáférési pontok keresését.</translation>
    </message>
    <message>
        <source>Printers found</source>
        <translation>Talált nyomtatók</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found.</source>
        <translation>
            <numerusform>%n nyomtató található.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found on %1.</source>
        <translation>
            <numerusform>%n nyomtató található (helyi cím: %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>Test print</source>
        <translation>Tesztnyomtatás</translation>
    </message>
    <message>
        <source>Prints a test page on the chosen printer over the network.</source>
        <translation>Tesztoldalt nyomtat a kiválasztott nyomtatón a hálózaton keresztül.</translation>
    </message>
    <message>
        <source>Test page sent to %1.</source>
        <translation>A tesztoldal elküldve a következő címre: %1.</translation>
    </message>
    <message>
        <source>The test page was not sent to %1: %2</source>
        <translation>A tesztoldalt nem sikerült elküldeni (%1): %2</translation>
    </message>
</context>
<context>
    <name>DeviceListExport</name>
    <message>
        <source>Export...</source>
        <translation>Exportálás...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Másolás</translation>
    </message>
    <message>
        <source>Export the list</source>
        <translation>Lista exportálása</translation>
    </message>
    <message>
        <source>CSV (*.csv);;JSON (*.json)</source>
        <translation>CSV (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2</source>
        <translation>Nem sikerült a listát a(z) %1 fájlba írni: %2</translation>
    </message>
    <message>
        <source>The printers in the list&apos;s order, or only the chosen ones when several are chosen.</source>
        <translation>A nyomtatók a lista sorrendjében, vagy csak a kijelöltek, ha több is ki van jelölve.</translation>
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
        <translation>Nyomtató típusa</translation>
    </message>
    <message>
        <source>POS</source>
        <translation>POS</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Egyéb</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Kommunikáció</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Soros</translation>
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
        <translation>Csatlakozás</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Leválasztás</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>This printer don&apos;t match our company name.</source>
        <translation>A nyomtató gyártójának neve nem egyezik a cégünk nevével.</translation>
    </message>
    <message>
        <source>Include secrets</source>
        <translation>Titkos adatok belefoglalása</translation>
    </message>
    <message>
        <source>Export profile…</source>
        <translation>Profil exportálása…</translation>
    </message>
    <message>
        <source>Import profile…</source>
        <translation>Profil importálása…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>Profilok (*.json);;Minden fájl (*)</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Profil importálása</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Profil exportálása</translation>
    </message>
    <message>
        <source>The profile could not be saved:
%1</source>
        <translation>Nem sikerült menteni a profilt:
%1</translation>
    </message>
    <message>
        <source>The profile has been saved to %1 with its keys and passwords.
Only you can read the file.</source>
        <translation>A program a profilt a kulcsokkal és a jelszavakkal együtt ide mentette: %1.
A fájlt csak Ön olvashatja.</translation>
    </message>
    <message>
        <source>The profile has been saved to %1.
Keys, passwords and the PIN were left out; importing the profile asks for them.</source>
        <translation>A program a profilt ide mentette: %1.
A kulcsok, a jelszavak és a PIN-kód kimaradtak belőle; a profil importálásakor a program bekéri őket.</translation>
    </message>
    <message>
        <source>The profile %1 cannot be imported:
%2</source>
        <translation>A(z) %1 profil nem importálható:
%2</translation>
    </message>
    <message>
        <source>The profile was not imported; nothing has changed.
%1</source>
        <translation>A profil importálása nem történt meg; semmi sem változott.
%1</translation>
    </message>
    <message>
        <source>The profile has been imported. Check the pages, then press Save to write it to the printer.</source>
        <translation>A profil importálása megtörtént. Ellenőrizze a lapokat, majd a „Mentés” gombbal írja a beállításokat a nyomtatóba.</translation>
    </message>
    <message>
        <source>This printer has no %1; those settings were left out.</source>
        <translation>Ez a nyomtató nem rendelkezik a következőkkel: %1; ezek a beállítások kimaradtak.</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nincs kapcsolat</translation>
    </message>
    <message>
        <source>Connected: %1 — firmware %2, %3</source>
        <translation>Csatlakoztatva: %1 — firmware %2, %3</translation>
    </message>
    <message>
        <source>newer layout</source>
        <translation>újabb rekordszerkezet</translation>
    </message>
    <message>
        <source>older layout</source>
        <translation>régebbi rekordszerkezet</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>%1 megnyitása…</translation>
    </message>
    <message>
        <source>Checking the printer… attempt %1 of %2</source>
        <translation>A nyomtató ellenőrzése… kísérlet: %1/%2</translation>
    </message>
    <message>
        <source>Reading the printer&apos;s settings…</source>
        <translation>A nyomtató beállításainak beolvasása…</translation>
    </message>
    <message>
        <source>Saving the settings…</source>
        <translation>A beállítások mentése…</translation>
    </message>
    <message>
        <source>Surveying the access points…</source>
        <translation>Hozzáférési pontok keresése…</translation>
    </message>
    <message>
        <source>Uploading the certificate… part %1 of %2</source>
        <translation>A tanúsítvány feltöltése… rész: %1/%2</translation>
    </message>
    <message>
        <source>Include fixed address</source>
        <translation>Fix cím belefoglalása</translation>
    </message>
    <message>
        <source>Put this printer&apos;s address assignment (DHCP or fixed), IP address, subnet mask and gateway in the exported profile, for a printer that replaces it.</source>
        <translation>A nyomtató címkiosztását (DHCP vagy rögzített), IP-címét, alhálózati maszkját és átjáróját belefoglalja az exportált profilba, egy őt helyettesítő nyomtató számára.</translation>
    </message>
    <message>
        <source>Put keys, passwords, the PIN and the SNMP write community in the exported profile; the file is then readable by you alone.</source>
        <translation>A kulcsokat, jelszavakat, a PIN-kódot és az SNMP írási közösséget belefoglalja az exportált profilba; a fájlt ezután csak Ön olvashatja.</translation>
    </message>
    <message>
        <source>The printer confirmed the settings, but reading them back shows other values for: %1</source>
        <translation>A nyomtató megerősítette a beállításokat, de visszaolvasva más értékek láthatók ezeknél: %1</translation>
    </message>
    <message>
        <source>The printer did not confirm the change, but it may have taken it. Connect again to see what it holds before trying again.</source>
        <translation>A nyomtató nem erősítette meg a módosítást, de lehet, hogy átvette. Újrapróbálkozás előtt csatlakozzon újra, és nézze meg, mit tartalmaz.</translation>
    </message>
</context>
<context>
    <name>FindAtAddress</name>
    <message>
        <source>Find at address</source>
        <translation>Keresés cím alapján</translation>
    </message>
    <message>
        <source>Addresses to ask, such as 10.0.5.20, 10.0.5.1-40 or 10.0.5.7,10.0.6.1-9:</source>
        <translation>Lekérdezendő címek, például 10.0.5.20, 10.0.5.1-40 vagy 10.0.5.7,10.0.6.1-9:</translation>
    </message>
    <message>
        <source>These addresses cannot be asked: %1</source>
        <translation>Ezek a címek nem kérdezhetők le: %1</translation>
    </message>
    <message>
        <source>Find at address...</source>
        <translation>Keresés cím alapján...</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The change was made, but it could not be added to the history: %1</source>
        <translation>A módosítás megtörtént, de nem sikerült felvenni az előzmények közé: %1</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>nem sikerült létrehozni a(z) %1 mappát: %2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>nem JSON-objektum</translation>
    </message>
    <message>
        <source>no valid time</source>
        <translation>nincs érvényes időpont</translation>
    </message>
    <message>
        <source>no outcome or no list of changes</source>
        <translation>nincs eredmény vagy nincs módosításlista</translation>
    </message>
    <message>
        <source>a change without a field name</source>
        <translation>mezőnév nélküli módosítás</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>nem sikerült megnyitni a(z) %1 fájlt: %2</translation>
    </message>
    <message>
        <source>%1 stayed locked by another program</source>
        <translation>a(z) %1 fájlt továbbra is zárolva tartotta egy másik program</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nem sikerült írni a(z) %1 fájlba: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nem sikerült beolvasni a(z) %1 fájlt: %2</translation>
    </message>
    <message>
        <source>line %1 of %2 skipped: %3</source>
        <translation>a(z) %2 fájl %1. sora kimaradt: %3</translation>
    </message>
    <message>
        <source>The change may have reached the printer, but it could not be added to the history: %1</source>
        <translation>Lehet, hogy a módosítás eljutott a nyomtatóhoz, de nem sikerült felvenni az előzmények közé: %1</translation>
    </message>
    <message>
        <source>The failed attempt could not be added to the history: %1</source>
        <translation>A sikertelen kísérletet nem sikerült felvenni az előzmények közé: %1</translation>
    </message>
    <message>
        <source>The change could not be added to the history: %1</source>
        <translation>A módosítást nem sikerült felvenni az előzmények közé: %1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the history is not written through links</source>
        <translation>%1 szimbolikus hivatkozás; az előzmények nem íródnak hivatkozáson keresztül</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 nem szabályos fájl</translation>
    </message>
    <message>
        <source>cannot read %1: %2 is not a folder</source>
        <translation>nem sikerült beolvasni a(z) %1 fájlt: %2 nem mappa</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Export CSV</source>
        <translation>Exportálás CSV-be</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv);;All files (*)</source>
        <translation>Vesszővel elválasztott értékek (*.csv);;Minden fájl (*)</translation>
    </message>
    <message>
        <source>History of changes</source>
        <translation>Módosítások előzményei</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Nyomtató</translation>
    </message>
    <message>
        <source>All printers</source>
        <translation>Minden nyomtató</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Időpont (UTC)</translation>
    </message>
    <message>
        <source>Front end</source>
        <translation>Felület</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Művelet</translation>
    </message>
    <message>
        <source>Way in</source>
        <translation>Kapcsolat</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Módosítások</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Eredmény</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportálás CSV-be…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>The history could not be exported:
%1</source>
        <translation>Nem sikerült exportálni az előzményeket:
%1</translation>
    </message>
</context>
<context>
    <name>Ipv4AddressEdit</name>
    <message>
        <source>This mask is not a run of ones followed by zeros (such as 255.255.255.0).</source>
        <translation>Ez a maszk nem egyesek és utánuk nullák sorozata (például 255.255.255.0).</translation>
    </message>
    <message>
        <source>This is the network address of the subnet its mask spans; no device can use it.</source>
        <translation>Ez a maszk által lefedett alhálózat hálózati címe; egyetlen eszköz sem használhatja.</translation>
    </message>
    <message>
        <source>This is the broadcast address of the subnet its mask spans; no device can use it.</source>
        <translation>Ez a maszk által lefedett alhálózat szórási (broadcast) címe; egyetlen eszköz sem használhatja.</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-cím</translation>
    </message>
    <message>
        <source>%1, part %2 of 4</source>
        <translation>%1, %2. rész a 4-ből</translation>
    </message>
    <message>
        <source>0 to 255</source>
        <translation>0-tól 255-ig</translation>
    </message>
</context>
<context>
    <name>LanEndpoints</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address or a range A.B.C.D-E</source>
        <translation>„%1” nem IPv4-cím és nem A.B.C.D-E tartomány</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; ends before it starts</source>
        <translation>a(z) „%1” tartomány vége megelőzi a kezdetét</translation>
    </message>
    <message>
        <source>more than %1 addresses</source>
        <translation>több mint %1 cím</translation>
    </message>
    <message>
        <source>the list has an empty entry (two commas in a row, or one at an end)</source>
        <translation>a listában üres elem van (két vessző egymás után, vagy egy az elején vagy a végén)</translation>
    </message>
</context>
<context>
    <name>LanSendChecks</name>
    <message>
        <source>The subnet mask %1 is not contiguous: its ones must all come before its zeros.</source>
        <translation>A(z) %1 alhálózati maszk nem folytonos: az összes 1-es bitnek a 0-s bitek előtt kell állnia.</translation>
    </message>
    <message>
        <source>The IP address %1 is the network address of its subnet; no device can use it.</source>
        <translation>A(z) %1 IP-cím az alhálózatának hálózati címe; egyetlen eszköz sem használhatja.</translation>
    </message>
    <message>
        <source>The IP address %1 is the broadcast address of its subnet; no device can use it.</source>
        <translation>A(z) %1 IP-cím az alhálózatának szórási (broadcast) címe; egyetlen eszköz sem használhatja.</translation>
    </message>
    <message>
        <source>The IP address %1 is reserved (%2) and cannot be a printer&apos;s address.</source>
        <translation>A(z) %1 IP-cím fenntartott (%2), ezért nem lehet nyomtató címe.</translation>
    </message>
    <message>
        <source>The gateway %1 is outside the subnet %2 of the IP address; the printer could not reach it.</source>
        <translation>A(z) %1 átjáró kívül esik az IP-cím %2 alhálózatán; a nyomtató nem tudná elérni.</translation>
    </message>
    <message>
        <source>The IP address %1 is already used by the printer %2 in the list.</source>
        <translation>A(z) %1 IP-címet már használja a listában szereplő %2 nyomtató.</translation>
    </message>
    <message>
        <source>The IP address %1 is outside the subnet %2 of this computer&apos;s address %3: this computer will no longer reach the printer without a route.</source>
        <translation>A(z) %1 IP-cím kívül esik a számítógép %3 címének %2 alhálózatán: útvonal nélkül ez a számítógép többé nem éri el a nyomtatót.</translation>
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
        <translation>Hálózati beállítások</translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation>IP-cím:</translation>
    </message>
    <message>
        <source>Subnet Mask :</source>
        <translation>Alhálózati maszk:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Átjáró:</translation>
    </message>
    <message>
        <source>Local Port :</source>
        <translation>Helyi port:</translation>
    </message>
    <message>
        <source> (0 ~ 32767)</source>
        <translation> (0 ~ 32767)</translation>
    </message>
    <message>
        <source>Inactivity time :
(0 ~ 3600)    </source>
        <translation>Inaktivitási idő:
(0 ~ 3600)    </translation>
    </message>
    <message>
        <source>sec (Default: 0)</source>
        <translation>mp (alapértelmezés: 0)</translation>
    </message>
    <message>
        <source>DHCP Mode</source>
        <translation>DHCP mód</translation>
    </message>
    <message>
        <source>Device Baudrate :</source>
        <translation>Eszköz átviteli sebessége (baud):</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>WLAN-beállítás</translation>
    </message>
    <message>
        <source>Ethernet Configuration</source>
        <translation>Ethernet-beállítás</translation>
    </message>
    <message>
        <source>TCP port, up to 32767</source>
        <translation>TCP-port, legfeljebb 32767</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>Másodperc, 0 és 3600 között</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>Firmware-verzió:</translation>
    </message>
    <message>
        <source>The settings to be sent give these warnings:</source>
        <translation>Az elküldendő beállítások a következő figyelmeztetéseket adják:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Mentés mindenképp</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>The settings to be sent conflict with the network or another printer:</source>
        <translation>Az elküldendő beállítások ütköznek a hálózattal vagy egy másik nyomtatóval:</translation>
    </message>
    <message>
        <source>Save despite the conflicts</source>
        <translation>Mentés az ütközések ellenére</translation>
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
        <translation>Ethernet-beállítás
(Ethernet)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(WLAN)</source>
        <translation>WLAN-beállítás
(WLAN)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(USB)</source>
        <translation>WLAN-beállítás
(USB)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Névjegy...</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Előzmények…</translation>
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
        <translation>IP-cím - </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Addresses of this computer</source>
        <translation>A számítógép címei</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>Minden cím</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Warning</source>
        <translation>Figyelmeztetés</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Network Mode</source>
        <translation>Hálózati mód</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>Infrastruktúra</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>Ad hoc</translation>
    </message>
    <message>
        <source>Ad Hoc Channel</source>
        <translation>Ad hoc csatorna</translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <translation>Wi-Fi Direct</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Csatorna</translation>
    </message>
    <message>
        <source>Conn Mode</source>
        <translation>Kapcsolati mód</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN-kód</translation>
    </message>
    <message>
        <source>IP Assignment Method</source>
        <translation>IP-cím kiosztása</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>Automatikus kiosztás (DHCP)</translation>
    </message>
    <message>
        <source>Manual Allocation</source>
        <translation>Kézi kiosztás</translation>
    </message>
    <message>
        <source>Network Setting</source>
        <translation>Hálózati beállítások</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Inactivity Time (0~3600)</source>
        <translation>Inaktivitási idő (0~3600)</translation>
    </message>
    <message>
        <source>Sec (Default: 0)</source>
        <translation>mp (alapértelmezés: 0)</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-cím</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Alhálózati maszk</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Átjáró</translation>
    </message>
    <message>
        <source>Channel, 1 to 14</source>
        <translation>Csatorna, 1 és 14 között</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>Másodperc, 0 és 3600 között</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>Permission denied: add your user to the &apos;dialout&apos; group (serial) or &apos;lp&apos; group (USB printer), then log in again</source>
        <translation>Hozzáférés megtagadva: vegye fel a felhasználóját a &apos;dialout&apos; (soros port) vagy az &apos;lp&apos; (USB-nyomtató) csoportba, majd jelentkezzen be újra</translation>
    </message>
    <message>
        <source>Your user needs to be in the group &apos;%1&apos; that owns %2: run &quot;sudo usermod -aG %1 $USER&quot;, then log in again.</source>
        <translation>A felhasználójának tagja kell lennie a(z) %2 tulajdonosát jelentő &apos;%1&apos; csoportnak: futtassa a &quot;sudo usermod -aG %1 $USER&quot; parancsot, majd jelentkezzen be újra.</translation>
    </message>
    <message>
        <source>No printer is ready on this line: its DSR or CTS signal is off.</source>
        <translation>Ezen a vonalon nincs üzemkész nyomtató: a DSR vagy a CTS jel inaktív.</translation>
    </message>
    <message>
        <source>The port does not take the printer&apos;s line settings (115200 baud, 8 data bits, no parity, 1 stop bit, RTS/CTS).</source>
        <translation>A port nem fogadja el a nyomtató vonalbeállításait (115200 baud, 8 adatbit, nincs paritás, 1 stopbit, RTS/CTS).</translation>
    </message>
    <message>
        <source>The device is in use by another program.</source>
        <translation>Az eszközt egy másik program használja.</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nem sikerült írni a(z) %1 fájlba: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>„%1” értékének szövegnek kell lennie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number</source>
        <translation>„%1” értékének egész számnak kell lennie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a dotted IPv4 address such as &quot;192.168.0.10&quot;</source>
        <translation>„%1” értékének pontozott decimális IPv4-címnek kell lennie, például „192.168.0.10”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a value of the wrong kind</source>
        <translation>„%1” értéke nem megfelelő típusú</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than its %2 bytes</source>
        <translation>„%1” hosszabb a megengedett %2 bájtnál</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not contain a zero character</source>
        <translation>„%1” nem tartalmazhat nulla kódú karaktert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from 0 to %2</source>
        <translation>„%1” értékének 0 és %2 közötti egész számnak kell lennie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to one printer and is never part of a profile</source>
        <translation>„%1” egy adott nyomtatóhoz tartozik, és soha nem része a profilnak</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a profile</source>
        <translation>„%1” nem profilbeállítás</translation>
    </message>
    <message>
        <source>not valid JSON (%1 at offset %2)</source>
        <translation>érvénytelen JSON (%1, pozíció: %2)</translation>
    </message>
    <message>
        <source>the file must hold one JSON object</source>
        <translation>a fájlnak egyetlen JSON-objektumot kell tartalmaznia</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot; (a profile holds &quot;format&quot; and &quot;config&quot;)</source>
        <translation>ismeretlen kulcs: „%1” (a profil a „format” és a „config” elemet tartalmazza)</translation>
    </message>
    <message>
        <source>&quot;format&quot; must be &quot;%1&quot;</source>
        <translation>a „format” értékének „%1” kell lennie</translation>
    </message>
    <message>
        <source>the file has no &quot;config&quot; object</source>
        <translation>a fájlban nincs „config” objektum</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: Wi-Fi Direct needs a printer with the newer record layout</source>
        <translation>„%1”: a Wi-Fi Direct használatához újabb rekordszerkezetű nyomtató szükséges</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nem sikerült beolvasni a(z) %1 fájlt: %2</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears more than once</source>
        <translation>a(z) „%1” kulcs többször szerepel</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a secret; a secrets file holds only %2</source>
        <translation>a(z) „%1” nem titkos adat; a titkos adatok fájlja csak ezeket tartalmazza: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the profile would fix this DHCP printer at the address it holds now; a profile that changes the address assignment needs the address too (export with the address)</source>
        <translation>„%1”: a profil ezt a DHCP-s nyomtatót a jelenlegi címén rögzítené; a címkiosztást módosító profilnak a címet is tartalmaznia kell (exportálja a címmel együtt)</translation>
    </message>
</context>
<context>
    <name>ProtocolPage</name>
    <message>
        <source>Task State</source>
        <translation>Szolgáltatások állapota</translation>
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
        <translation>Community név (olvasás):</translation>
    </message>
    <message>
        <source>Community Name (Write):</source>
        <translation>Community név (írás):</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>Trap IP-cím</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>Trap community</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Search...</source>
        <translation>Keresés...</translation>
    </message>
    <message>
        <source>Searching.</source>
        <translation>Keresés folyamatban.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>SecretToggle</name>
    <message>
        <source>Show</source>
        <translation>Megjelenítés</translation>
    </message>
    <message>
        <source>Show or hide what is typed</source>
        <translation>A beírt szöveg megjelenítése vagy elrejtése</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>%1 megjelenítése</translation>
    </message>
</context>
<context>
    <name>SecretsDialog</name>
    <message>
        <source>WEP Key</source>
        <translation>WEP-kulcs</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>PSK-kulcs</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN-kód</translation>
    </message>
    <message>
        <source>The profile leaves out these secrets. Enter them for this printer:</source>
        <translation>A profil nem tartalmazza ezeket a titkos adatokat. Adja meg őket ehhez a nyomtatóhoz:</translation>
    </message>
</context>
<context>
    <name>SecurityPage</name>
    <message>
        <source>Authentication</source>
        <translation>Hitelesítés</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>Nyílt rendszer</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>Megosztott kulcs</translation>
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
        <translation>Titkosítás</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>Nincs</translation>
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
        <translation>WEP-kulcs</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>PSK-kulcs</translation>
    </message>
    <message>
        <source>Authentication ID</source>
        <translation>Hitelesítési azonosító</translation>
    </message>
    <message>
        <source>Authentication Password</source>
        <translation>Hitelesítési jelszó</translation>
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
        <translation>Sz.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Érték</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>Nyomtató neve</translation>
    </message>
    <message>
        <source>Printer Port Num</source>
        <translation>Nyomtató portszáma</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Felhasználói azonosító</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>Felhasználói jelszó</translation>
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
        <translation>Írási community</translation>
    </message>
    <message>
        <source>Get Community</source>
        <translation>Olvasási community</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>Trap IP-cím</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>Trap community</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Hálózati mód</translation>
    </message>
    <message>
        <source>Adhoc Channel</source>
        <translation>Ad hoc csatorna</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>Inaktivitási idő</translation>
    </message>
    <message>
        <source>IP Assignment method</source>
        <translation>IP-cím kiosztása</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-cím</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Alhálózati maszk</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Átjáró</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Hitelesítés</translation>
    </message>
    <message>
        <source>Cryptograph</source>
        <translation>Titkosítás</translation>
    </message>
    <message>
        <source>WEP Key</source>
        <translation>WEP-kulcs</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>PSK-kulcs</translation>
    </message>
    <message>
        <source>EAP Mode</source>
        <translation>EAP mód</translation>
    </message>
    <message>
        <source>Auth ID</source>
        <translation>Hitelesítési azonosító</translation>
    </message>
    <message>
        <source>Auth Password/Certification Key(EAP-TLS)</source>
        <translation>Hitelesítési jelszó/tanúsítványkulcs (EAP-TLS)</translation>
    </message>
    <message>
        <source>P2P Conn Mode</source>
        <translation>P2P kapcsolati mód</translation>
    </message>
    <message>
        <source>P2P Channel</source>
        <translation>P2P csatorna</translation>
    </message>
    <message>
        <source>P2P Pin Code</source>
        <translation>P2P PIN-kód</translation>
    </message>
    <message>
        <source>Settings written to the printer</source>
        <translation>A nyomtatóra írt beállítások</translation>
    </message>
    <message>
        <source>&amp;Show secrets</source>
        <translation>&amp;Titkos adatok megjelenítése</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Másolás</translation>
    </message>
    <message>
        <source>Copies every row, tab-separated, as shown</source>
        <translation>Az összes sort a megjelenített formában, tabulátorral elválasztva másolja</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The BSS information has been imported successfully.</source>
        <translation>A BSS-információk importálása sikerült.</translation>
    </message>
    <message>
        <source>Failed to import the BSS information.
Please check the IP address or port number to connect to.</source>
        <translation>Nem sikerült importálni a BSS-információkat.
Ellenőrizze a kapcsolat IP-címét vagy portszámát.</translation>
    </message>
    <message>
        <source>Failed to connect to the printer.</source>
        <translation>Nem sikerült csatlakozni a nyomtatóhoz.</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Reset the printer.</source>
        <translation>A beállítás befejeződött.
Indítsa újra a nyomtatót.</translation>
    </message>
    <message>
        <source>The configuration has failed.</source>
        <translation>A beállítás nem sikerült.</translation>
    </message>
    <message>
        <source>Unable to open the port.</source>
        <translation>Nem sikerült megnyitni a portot.</translation>
    </message>
    <message>
        <source>The User ID is incorrect.
Please try again.</source>
        <translation>A felhasználói azonosító hibás.
Próbálja újra.</translation>
    </message>
    <message>
        <source>The Password is incorrect.
Please try again.</source>
        <translation>A jelszó hibás.
Próbálja újra.</translation>
    </message>
    <message>
        <source>The system name is incorrect.
Please try again.</source>
        <translation>A rendszernév hibás.
Próbálja újra.</translation>
    </message>
    <message>
        <source>The port number is incorrect.
Please try again.</source>
        <translation>A portszám hibás.
Próbálja újra.</translation>
    </message>
    <message>
        <source>The community name is incorrect.
Please try again.</source>
        <translation>A community név hibás.
Próbálja újra.</translation>
    </message>
    <message>
        <source>The trap community is incorrect.
Please try again.</source>
        <translation>A trap community hibás.
Próbálja újra.</translation>
    </message>
    <message>
        <source>The Adhoc channel is incorrect.
Please try again.</source>
        <translation>Az ad hoc csatorna hibás.
Próbálja újra.</translation>
    </message>
    <message>
        <source>The SSID is incorrect.
Please try again.</source>
        <translation>Az SSID hibás.
Próbálja újra.</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
Please try again.</source>
        <translation>A PSK-kulcs hibás.
Próbálja újra.</translation>
    </message>
    <message>
        <source>The certificate ID is incorrect.
Please try again.</source>
        <translation>A tanúsítványazonosító hibás.
Próbálja újra.</translation>
    </message>
    <message>
        <source>The certificate password is incorrect.
Please try again.</source>
        <translation>A tanúsítvány jelszava hibás.
Próbálja újra.</translation>
    </message>
    <message>
        <source>The printer has been connected successfully.</source>
        <translation>A nyomtató csatlakoztatása sikerült.</translation>
    </message>
    <message>
        <source>The certificate document has been uploaded successfully.
Reset the printer.</source>
        <translation>A tanúsítvány feltöltése sikerült.
Indítsa újra a nyomtatót.</translation>
    </message>
    <message>
        <source>Failed to upload the certificate document.
Reset the printer.</source>
        <translation>Nem sikerült feltölteni a tanúsítványt.
Indítsa újra a nyomtatót.</translation>
    </message>
    <message>
        <source>The maximum size of a certificate file is 3KB.</source>
        <translation>A tanúsítványfájl legfeljebb 3 KB méretű lehet.</translation>
    </message>
    <message>
        <source>The certificate file is selected.</source>
        <translation>A tanúsítványfájl ki van választva.</translation>
    </message>
    <message>
        <source>The certificate file is invalid.</source>
        <translation>A tanúsítványfájl érvénytelen.</translation>
    </message>
    <message>
        <source>No certificate file is selected or the selected file is invalid.</source>
        <translation>Nincs kiválasztva tanúsítványfájl, vagy a kiválasztott fájl érvénytelen.</translation>
    </message>
    <message>
        <source>The Adhoc mode is not available.
Authentication is allowed in either Open System or Shared Key.</source>
        <translation>Az ad hoc mód nem érhető el.
Csak Nyílt rendszer vagy Megosztott kulcs hitelesítés választható.</translation>
    </message>
    <message>
        <source>Failed to read the certificate file.</source>
        <translation>Nem sikerült beolvasni a tanúsítványfájlt.</translation>
    </message>
    <message>
        <source>Please select a device in the list.</source>
        <translation>Válasszon ki egy eszközt a listából.</translation>
    </message>
    <message>
        <source>Please search for a device again.</source>
        <translation>Keressen újra eszközöket.</translation>
    </message>
    <message>
        <source>Error: Failed to read the list of information.</source>
        <translation>Hiba: nem sikerült beolvasni az információs listát.</translation>
    </message>
    <message>
        <source>Please check the IP address or port number.</source>
        <translation>Ellenőrizze az IP-címet vagy a portszámot.</translation>
    </message>
    <message>
        <source>The specified port is not available.
Please enter a port number again.</source>
        <translation>A megadott port nem érhető el.
Adjon meg újra egy portszámot.</translation>
    </message>
    <message>
        <source>The IP address cannot be used.
Please enter an IP address again.</source>
        <translation>Az IP-cím nem használható.
Adjon meg újra egy IP-címet.</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>A beállítás befejeződött.
Ha a lista nem frissül, keressen újra eszközöket.</translation>
    </message>
    <message>
        <source>The WLAN configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>A WLAN beállítása befejeződött.
Ha a lista nem frissül, keressen újra eszközöket.</translation>
    </message>
    <message>
        <source>Unable to configure the port.
Please enter a port number again.(0~32767)</source>
        <translation>A port nem állítható be.
Adjon meg újra egy portszámot. (0~32767)</translation>
    </message>
    <message>
        <source>Unable to save the configuration.
Please configure again.</source>
        <translation>Nem sikerült menteni a beállításokat.
Végezze el újra a beállítást.</translation>
    </message>
    <message>
        <source>The time has not been set.
Please enter time again.</source>
        <translation>Az idő nincs megadva.
Adja meg újra az időt.</translation>
    </message>
    <message>
        <source>The channel number has not been set.
Please enter a channel number again.(0~14)</source>
        <translation>A csatornaszám nincs megadva.
Adjon meg újra egy csatornaszámot. (0~14)</translation>
    </message>
    <message>
        <source>Network is in Adhoc mode.
You must assign IP address manually.</source>
        <translation>A hálózat ad hoc módban van.
Az IP-címet kézzel kell megadnia.</translation>
    </message>
    <message>
        <source>Unable to connect to the USB device.</source>
        <translation>Nem sikerült csatlakozni az USB-eszközhöz.</translation>
    </message>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Now Searching</source>
        <translation>Keresés folyamatban</translation>
    </message>
    <message>
        <source>System &amp; Information</source>
        <translation>Rendszer és információk</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <translation>BSS-információk</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Hitelesítés</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Hálózat</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>Nyílt rendszer</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>Megosztott kulcs</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>Nincs</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>Infrastruktúra</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>Ad hoc</translation>
    </message>
    <message>
        <source>Manual allocation</source>
        <translation>Kézi kiosztás</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>Automatikus kiosztás (DHCP)</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Letiltva</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Engedélyezve</translation>
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
        <translation>Hitelesítési jelszó</translation>
    </message>
    <message>
        <source>Certification Password</source>
        <translation>Tanúsítvány jelszava</translation>
    </message>
    <message>
        <source>Incorrect PIN. Please re-enter your PIN Code.</source>
        <translation>Hibás PIN-kód. Adja meg újra a PIN-kódot.</translation>
    </message>
    <message>
        <source>Currently no network connection is found. Check the network connection.</source>
        <translation>Jelenleg nem található hálózati kapcsolat. Ellenőrizze a hálózati kapcsolatot.</translation>
    </message>
    <message>
        <source>The text is too long for the printer.
Please shorten it (some characters take more than one byte).</source>
        <translation>A szöveg túl hosszú a nyomtató számára.
Rövidítse le (egyes karakterek egynél több bájtot foglalnak).</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
It must be 8 to 63 printable ASCII characters or 64 hexadecimal digits.</source>
        <translation>A PSK-kulcs hibás.
8–63 nyomtatható ASCII-karakterből vagy 64 hexadecimális számjegyből kell állnia.</translation>
    </message>
    <message>
        <source>This setting cannot be chosen together with the other settings.
Please check the settings and try again.</source>
        <translation>Ez a beállítás nem választható a többi beállítással együtt.
Ellenőrizze a beállításokat, és próbálja újra.</translation>
    </message>
    <message>
        <source>The search could not start.
%1</source>
        <translation>Nem sikerült elindítani a keresést.
%1</translation>
    </message>
    <message>
        <source>The settings could not be sent.
%1</source>
        <translation>Nem sikerült elküldeni a beállításokat.
%1</translation>
    </message>
    <message>
        <source>The local address %1 cannot be used.</source>
        <translation>A(z) %1 helyi cím nem használható.</translation>
    </message>
    <message>
        <source>The local UDP port %1 cannot be used.</source>
        <translation>A(z) %1 helyi UDP-port nem használható.</translation>
    </message>
    <message>
        <source>The request could not leave this computer: %1</source>
        <translation>Nem sikerült elküldeni a kérést erről a számítógépről: %1</translation>
    </message>
    <message>
        <source>No web browser could be opened.
Please open this address in a web browser:
%1</source>
        <translation>Nem sikerült megnyitni egy webböngészőt sem.
Nyissa meg ezt a címet egy webböngészőben:
%1</translation>
    </message>
    <message>
        <source>The printer has no IP address configured.
Its web page cannot be opened.</source>
        <translation>A nyomtatón nincs beállítva IP-cím.
A nyomtató weboldala nem nyitható meg.</translation>
    </message>
    <message>
        <source>This printer does not offer Setting (feature code %1).</source>
        <translation>Ez a nyomtató nem kínálja a „Beállítás” funkciót (funkciókód: %1).</translation>
    </message>
    <message>
        <source>Discard the changes made since Connect?</source>
        <translation>Eldobja a csatlakozás óta végzett módosításokat?</translation>
    </message>
    <message>
        <source>WEP Key is invalid.
WEP Key must be 5 or 13 characters, or 10 or 26 hexadecimal digits.</source>
        <translation>A WEP-kulcs érvénytelen.
A WEP-kulcs 5 vagy 13 karakterből, illetve 10 vagy 26 hexadecimális számjegyből állhat.</translation>
    </message>
    <message>
        <source>Certification</source>
        <translation>Tanúsítványok</translation>
    </message>
    <message>
        <source>The subnet mask is not valid: its ones must all come before its zeros.
Please enter the subnet mask again.</source>
        <translation>Az alhálózati maszk érvénytelen: az összes 1-es bitnek a 0-s bitek előtt kell állnia.
Adja meg újra az alhálózati maszkot.</translation>
    </message>
    <message>
        <source>UDP port %1 is in use by another program.</source>
        <translation>Az UDP %1 portot egy másik program használja.</translation>
    </message>
    <message>
        <source>The requests cannot be kept to interface %1: %2</source>
        <translation>A kérések nem korlátozhatók a(z) %1 interfészre: %2</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>System</source>
        <translation>Rendszer</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>Nyomtató neve</translation>
    </message>
    <message>
        <source>Printer Port Num (0 ~ 32767)</source>
        <translation>Nyomtató portszáma (0 ~ 32767)</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Felhasználói azonosító</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>Felhasználói jelszó</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Jelszó megerősítése</translation>
    </message>
    <message>
        <source>Firmware Information</source>
        <translation>Firmware-információk</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>Firmware-verzió:</translation>
    </message>
    <message>
        <source>Update Date :</source>
        <translation>Frissítés dátuma:</translation>
    </message>
    <message>
        <source>Mac Address :</source>
        <translation>MAC-cím:</translation>
    </message>
    <message>
        <source>TCP port, 0 to 32767</source>
        <translation>TCP-port, 0 és 32767 között</translation>
    </message>
</context>
<context>
    <name>VerificationNote</name>
    <message>
        <source>IP address</source>
        <translation>IP-cím</translation>
    </message>
    <message>
        <source>subnet mask</source>
        <translation>alhálózati maszk</translation>
    </message>
    <message>
        <source>gateway</source>
        <translation>átjáró</translation>
    </message>
    <message>
        <source>port</source>
        <translation>port</translation>
    </message>
    <message>
        <source>inactivity time</source>
        <translation>inaktivitási idő</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>baud rate code</source>
        <translation>átviteli sebesség kódja</translation>
    </message>
    <message>
        <source>Not verified: the printer did not answer the search after the change.</source>
        <translation>Nincs ellenőrizve: a nyomtató a módosítás után nem válaszolt a keresésre.</translation>
    </message>
    <message>
        <source>Verified: now at %1, port %2</source>
        <translation>Ellenőrizve: most a(z) %1 címen érhető el, port: %2</translation>
    </message>
    <message>
        <source>%1 %2 instead of %3</source>
        <translation>%1: %2 (%3 helyett)</translation>
    </message>
    <message>
        <source>Not verified: the printer reports %1.</source>
        <translation>Nincs ellenőrizve: a nyomtató szerint %1.</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>Nincs ellenőrizve: az ellenőrzést megszakították.</translation>
    </message>
    <message>
        <source>Not verified: DHCP is on and the printer has no address yet.</source>
        <translation>Nincs ellenőrizve: a DHCP be van kapcsolva, és a nyomtatónak még nincs címe.</translation>
    </message>
</context>
<context>
    <name>corvane::app::LauncherDialog</name>
    <message>
        <source>Provision printers...</source>
        <translation>Több nyomtató beállítása...</translation>
    </message>
</context>
<context>
    <name>corvane::lan::AssignAddressesDialog</name>
    <message>
        <source>Assign addresses</source>
        <translation>Címek kiosztása</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>Első cím</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Alhálózati maszk</translation>
    </message>
    <message>
        <source>Gateway (optional)</source>
        <translation>Átjáró (nem kötelező)</translation>
    </message>
    <message>
        <source>Port (optional)</source>
        <translation>Port (nem kötelező)</translation>
    </message>
    <message>
        <source>Send rows with warnings too</source>
        <translation>A figyelmeztetéses sorok küldése is</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MAC-cím</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jelenlegi</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Új</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Eredmény</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Megjegyzések</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Enter the first address as four numbers 0-255 with dots between them.</source>
        <translation>Az első címet négy, 0 és 255 közötti, pontokkal elválasztott számként adja meg.</translation>
    </message>
    <message>
        <source>Enter the subnet mask as four numbers 0-255 with dots between them.</source>
        <translation>Az alhálózati maszkot négy, 0 és 255 közötti, pontokkal elválasztott számként adja meg.</translation>
    </message>
    <message>
        <source>Enter the port as a number, or leave it empty to keep each printer&apos;s port.</source>
        <translation>A portot számként adja meg, vagy hagyja üresen, hogy minden nyomtató megtartsa a sajátját.</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nincs elküldve</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nem található</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>változatlan</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>elutasítva</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>megerősítve</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>nincs megerősítve</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>ellenőrizve</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>nincs ellenőrizve</translation>
    </message>
    <message>
        <source>Sending to %1 (%2 of %3)…</source>
        <translation>Küldés ide: %1 (%2 / %3)…</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printers to restart, then searching for them again…</source>
        <translation>%1 mp várakozás a nyomtatók újraindulására, majd újbóli keresés…</translation>
    </message>
    <message>
        <source>Cancelled before anything was sent.</source>
        <translation>Megszakítva, mielőtt bármi elment volna.</translation>
    </message>
    <message>
        <source>Cancelled: sent to %1; the other rows were not sent.</source>
        <translation>Megszakítva: elküldve ide: %1; a többi sor nem lett elküldve.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>%1 take each other&apos;s addresses in a circle, which would need a temporary address: nothing is sent to them. Give one of them an unused address first.</source>
        <translation>%1 körben egymás címét vennék át, ehhez ideiglenes cím kellene: egyiküknek sem küldünk semmit. Előbb adjon az egyiküknek egy szabad címet.</translation>
    </message>
    <message>
        <source>%1 still holds %2: its own row did not move it away, so this row was not sent.</source>
        <translation>%1 még mindig a(z) %2 címen van: a saját sora nem helyezte át, ezért ezt a sort nem küldtük el.</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>Nincs ellenőrizve: az ellenőrzést megszakították.</translation>
    </message>
    <message>
        <source>The check after the change was cancelled: the confirmed printers are not verified.</source>
        <translation>A módosítás utáni ellenőrzést megszakították: a megerősített nyomtatók nincsenek ellenőrizve.</translation>
    </message>
    <message>
        <source>will not be sent</source>
        <translation>nem lesz elküldve</translation>
    </message>
    <message>
        <source>will be sent</source>
        <translation>el lesz küldve</translation>
    </message>
    <message numerus="yes">
        <source>Done: the new address shows on %1 of %n printer(s).</source>
        <translation>
            <numerusform>Kész: %n nyomtatóból %1 mutatja az új címet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Send rows with conflicts too</source>
        <translation>Az ütközéses sorok küldése is</translation>
    </message>
    <message>
        <source>Enter the gateway as four numbers 0-255, or leave it empty to keep each printer&apos;s gateway.</source>
        <translation>Az átjárót négy, 0 és 255 közötti számként adja meg, vagy hagyja üresen, hogy minden nyomtató megtartsa a saját átjáróját.</translation>
    </message>
    <message>
        <source>mask %1</source>
        <translation>maszk %1</translation>
    </message>
    <message>
        <source>gateway %1</source>
        <translation>átjáró %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>port %1</translation>
    </message>
    <message>
        <source>DHCP on</source>
        <translation>DHCP be</translation>
    </message>
    <message>
        <source>DHCP off</source>
        <translation>DHCP ki</translation>
    </message>
    <message>
        <source>Searching for the printers again: %1 of at most %2 s…</source>
        <translation>A nyomtatók újbóli keresése: %1 / legfeljebb %2 mp…</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Nyomtatók</translation>
    </message>
</context>
<context>
    <name>corvane::lan::DeviceListDialog</name>
    <message>
        <source>Assign addresses...</source>
        <translation>Címek kiosztása...</translation>
    </message>
    <message>
        <source>Gives the chosen printers consecutive addresses.</source>
        <translation>Egymást követő címeket ad a kiválasztott nyomtatóknak.</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Elérés</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>Adapter</translation>
    </message>
    <message>
        <source>unicast</source>
        <translation>unicast</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>broadcast</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Searching for the printer again: %1 of at most %2 s…</source>
        <translation>A nyomtató újbóli keresése: %1 / legfeljebb %2 mp…</translation>
    </message>
    <message>
        <source>Print a test page</source>
        <translation>Tesztoldal nyomtatása</translation>
    </message>
    <message>
        <source>Prints a test page on the printer at its new address %1, port %2.</source>
        <translation>Tesztoldalt nyomtat a nyomtatón az új címén (%1, port: %2).</translation>
    </message>
</context>
<context>
    <name>corvane::provision::ProvisionDialog</name>
    <message>
        <source>Provision printers</source>
        <translation>Több nyomtató beállítása</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Kiválasztás...</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil:</translation>
    </message>
    <message>
        <source>Profiles (*.json)</source>
        <translation>Profilok (*.json)</translation>
    </message>
    <message>
        <source>Printers &amp;sheet (optional):</source>
        <translation>Nyomtató&amp;lista (nem kötelező):</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-fájlok (*.csv)</translation>
    </message>
    <message>
        <source>ttyUSB0, ttyS0</source>
        <translation>ttyUSB0, ttyS0</translation>
    </message>
    <message>
        <source>Se&amp;rial ports (optional):</source>
        <translation>So&amp;ros portok (nem kötelező):</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-cím</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>Fields changed</source>
        <translation>Módosított mezők</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Időtartam</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Eredmény</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Nyomtatók</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>&amp;Indítás</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>Leállí&amp;tás</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Bezárás</translation>
    </message>
    <message>
        <source>The profile cannot be read: %1</source>
        <translation>A profil nem olvasható be: %1</translation>
    </message>
    <message>
        <source>The profile cannot be used: %1</source>
        <translation>A profil nem használható: %1</translation>
    </message>
    <message>
        <source>The printers sheet cannot be used: %1</source>
        <translation>A nyomtatólista nem használható: %1</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>Leválasztva</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Várakozik</translation>
    </message>
    <message>
        <source>Configuring</source>
        <translation>Beállítás folyamatban</translation>
    </message>
    <message>
        <source>Done; unplug it</source>
        <translation>Kész; válassza le</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 mp</translation>
    </message>
    <message>
        <source>Configured (profile only)</source>
        <translation>Beállítva (csak a profil)</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>Beállítva</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Változatlan</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Sikertelen: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) in progress.</source>
        <translation>
            <numerusform>%n nyomtató beállítása folyamatban.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Leállítva.</translation>
    </message>
    <message numerus="yes">
        <source>Stopping: %n printer(s) still in progress.</source>
        <translation>
            <numerusform>Leállítás: még %n nyomtató beállítása folyamatban.</numerusform>
        </translation>
    </message>
    <message>
        <source>Configured: %1, unchanged: %2, failed: %3. %4</source>
        <comment>the totals, then the state sentence</comment>
        <translation>Beállítva: %1, változatlan: %2, sikertelen: %3. %4</translation>
    </message>
</context>
</TS>
