<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutBox</name>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Sets up the network interface of Zephran POS receipt printers: Ethernet and wireless printers on the local network, and printers attached by a serial port or a USB cable.</source>
        <translation>Configura l&apos;interfaccia di rete delle stampanti POS per scontrini Zephran: stampanti Ethernet e wireless sulla rete locale e stampanti collegate tramite porta seriale o cavo USB.</translation>
    </message>
    <message>
        <source>Copyright © Corvane Tool developers. Free software under the MIT licence.</source>
        <translation>Copyright © Corvane Tool developers. Software libero con licenza MIT.</translation>
    </message>
    <message>
        <source>About Corvane Tool</source>
        <translation>Informazioni su Corvane Tool</translation>
    </message>
</context>
<context>
    <name>BssInfoDialog</name>
    <message>
        <source>BSS Information</source>
        <translation>Informazioni BSS</translation>
    </message>
    <message>
        <source>No</source>
        <translation>N.</translation>
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
        <translation>Modalità</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicurezza</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>Recupera informazioni BSS</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>Punti di accesso rilevati dalla stampante</translation>
    </message>
</context>
<context>
    <name>BssPage</name>
    <message>
        <source>No</source>
        <translation>N.</translation>
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
        <translation>MODALITÀ</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicurezza</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>Recupera informazioni BSS</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>Punti di accesso rilevati dalla stampante</translation>
    </message>
    <message>
        <source>Use this network</source>
        <translation>Usa questa rete</translation>
    </message>
    <message>
        <source>Puts the chosen network&apos;s name on the Network page and, where the survey names one, its authentication on the Authentication page</source>
        <translation>Riporta il nome della rete scelta nella pagina Rete e, se il rilevamento ne indica una, la relativa autenticazione nella pagina Autenticazione</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation>Infrastruttura</translation>
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
        <translation>Certificato</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <translation>Chiave client</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <translation>PEM client</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>File Upload</source>
        <translation>Carica file</translation>
    </message>
    <message>
        <source>Original Certificate Format (*)</source>
        <translation>Formato certificato originale (*)</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>File del certificato</translation>
    </message>
</context>
<context>
    <name>ConfigApp</name>
    <message>
        <source>Sets up the network interface of Zephran receipt printers.</source>
        <translation>Configura l&apos;interfaccia di rete delle stampanti per scontrini Zephran.</translation>
    </message>
    <message>
        <source>Show the windows in NAME instead of the system&apos;s language: en (the built-in English), a catalog name such as Japanese or German, or a locale name such as de_AT.</source>
        <translation>Mostra le finestre nella lingua NAME anziché in quella del sistema: en (l&apos;inglese integrato), il nome di un catalogo come Japanese o German, oppure il nome di impostazioni locali come de_AT.</translation>
    </message>
    <message>
        <source>corvane-tool: the desktop tool needs a display (a desktop session, or ssh -X); for the command line see corvane --help</source>
        <translation>corvane-tool: lo strumento desktop richiede un display (una sessione desktop o ssh -X); per la riga di comando vedere corvane --help</translation>
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
        <translation>N.</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>Indirizzo MAC</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Configuration(Web)</source>
        <translation>Configurazione (Web)</translation>
    </message>
    <message>
        <source>BSS Info</source>
        <translation>Info BSS</translation>
    </message>
    <message>
        <source>Certificate upload</source>
        <translation>Carica certificato</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printer to restart its network…</source>
        <translation>Attesa di %1 s per il riavvio della rete della stampante…</translation>
    </message>
    <message>
        <source>The printer %1 did not answer this search.</source>
        <translation>La stampante %1 non ha risposto a questa ricerca.</translation>
    </message>
    <message>
        <source>This printer does not support changing its settings from the list.</source>
        <translation>Questa stampante non consente di modificare le impostazioni dall&apos;elenco.</translation>
    </message>
    <message>
        <source>This printer does not support a web page.</source>
        <translation>Questa stampante non dispone di una pagina web.</translation>
    </message>
    <message>
        <source>This printer does not support the access point survey.</source>
        <translation>Questa stampante non supporta il rilevamento dei punti di accesso.</translation>
    </message>
    <message>
        <source>Printers found</source>
        <translation>Stampanti trovate</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found.</source>
        <translation>
            <numerusform>Trovata %n stampante.</numerusform>
            <numerusform>Trovate %n stampanti.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found on %1.</source>
        <translation>
            <numerusform>Trovata %n stampante tramite %1.</numerusform>
            <numerusform>Trovate %n stampanti tramite %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Test print</source>
        <translation>Stampa di prova</translation>
    </message>
    <message>
        <source>Prints a test page on the chosen printer over the network.</source>
        <translation>Stampa una pagina di prova sulla stampante scelta tramite la rete.</translation>
    </message>
    <message>
        <source>Test page sent to %1.</source>
        <translation>Pagina di prova inviata a %1.</translation>
    </message>
    <message>
        <source>The test page was not sent to %1: %2</source>
        <translation>La pagina di prova non è stata inviata a %1: %2</translation>
    </message>
</context>
<context>
    <name>DeviceListExport</name>
    <message>
        <source>Export...</source>
        <translation>Esporta...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Export the list</source>
        <translation>Esporta l&apos;elenco</translation>
    </message>
    <message>
        <source>CSV (*.csv);;JSON (*.json)</source>
        <translation>CSV (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2</source>
        <translation>Impossibile scrivere l&apos;elenco in %1: %2</translation>
    </message>
    <message>
        <source>The printers in the list&apos;s order, or only the chosen ones when several are chosen.</source>
        <translation>Le stampanti nell’ordine dell’elenco, o solo quelle scelte quando ne sono scelte più d’una.</translation>
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
        <translation>Tipo di stampante</translation>
    </message>
    <message>
        <source>POS</source>
        <translation>POS</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Comunicazione</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriale</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>This printer don&apos;t match our company name.</source>
        <translation>Il nome del produttore di questa stampante non corrisponde a quello della nostra azienda.</translation>
    </message>
    <message>
        <source>Include secrets</source>
        <translation>Includi dati riservati</translation>
    </message>
    <message>
        <source>Export profile…</source>
        <translation>Esporta profilo…</translation>
    </message>
    <message>
        <source>Import profile…</source>
        <translation>Importa profilo…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>Profili (*.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Importa profilo</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Esporta profilo</translation>
    </message>
    <message>
        <source>The profile could not be saved:
%1</source>
        <translation>Impossibile salvare il profilo:
%1</translation>
    </message>
    <message>
        <source>The profile has been saved to %1 with its keys and passwords.
Only you can read the file.</source>
        <translation>Il profilo è stato salvato in %1 con le relative chiavi e password.
Solo l&apos;utente corrente può leggere il file.</translation>
    </message>
    <message>
        <source>The profile has been saved to %1.
Keys, passwords and the PIN were left out; importing the profile asks for them.</source>
        <translation>Il profilo è stato salvato in %1.
Chiavi, password e PIN sono stati esclusi; verranno richiesti durante l&apos;importazione del profilo.</translation>
    </message>
    <message>
        <source>The profile %1 cannot be imported:
%2</source>
        <translation>Impossibile importare il profilo %1:
%2</translation>
    </message>
    <message>
        <source>The profile was not imported; nothing has changed.
%1</source>
        <translation>Il profilo non è stato importato; non è stato modificato nulla.
%1</translation>
    </message>
    <message>
        <source>The profile has been imported. Check the pages, then press Save to write it to the printer.</source>
        <translation>Il profilo è stato importato. Controllare le pagine, quindi premere &quot;Salva&quot; per scriverlo nella stampante.</translation>
    </message>
    <message>
        <source>This printer has no %1; those settings were left out.</source>
        <translation>Questa stampante non dispone di %1; queste impostazioni sono state tralasciate.</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connesso</translation>
    </message>
    <message>
        <source>Connected: %1 — firmware %2, %3</source>
        <translation>Connesso: %1 — firmware %2, %3</translation>
    </message>
    <message>
        <source>newer layout</source>
        <translation>formato più recente</translation>
    </message>
    <message>
        <source>older layout</source>
        <translation>formato precedente</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>Apertura di %1…</translation>
    </message>
    <message>
        <source>Checking the printer… attempt %1 of %2</source>
        <translation>Verifica della stampante… tentativo %1 di %2</translation>
    </message>
    <message>
        <source>Reading the printer&apos;s settings…</source>
        <translation>Lettura delle impostazioni della stampante…</translation>
    </message>
    <message>
        <source>Saving the settings…</source>
        <translation>Salvataggio delle impostazioni…</translation>
    </message>
    <message>
        <source>Surveying the access points…</source>
        <translation>Rilevamento dei punti di accesso…</translation>
    </message>
    <message>
        <source>Uploading the certificate… part %1 of %2</source>
        <translation>Caricamento del certificato… parte %1 di %2</translation>
    </message>
    <message>
        <source>Include fixed address</source>
        <translation>Includi indirizzo fisso</translation>
    </message>
    <message>
        <source>Put this printer&apos;s address assignment (DHCP or fixed), IP address, subnet mask and gateway in the exported profile, for a printer that replaces it.</source>
        <translation>Inserisce nel profilo esportato l&apos;assegnazione dell&apos;indirizzo di questa stampante (DHCP o fisso), l&apos;indirizzo IP, la subnet mask e il gateway, per una stampante che la sostituisce.</translation>
    </message>
    <message>
        <source>Put keys, passwords, the PIN and the SNMP write community in the exported profile; the file is then readable by you alone.</source>
        <translation>Inserisce chiavi, password, il PIN e la community SNMP di scrittura nel profilo esportato; il file sarà quindi leggibile solo dall&apos;utente.</translation>
    </message>
    <message>
        <source>The printer confirmed the settings, but reading them back shows other values for: %1</source>
        <translation>La stampante ha confermato le impostazioni, ma rileggendole risultano valori diversi per: %1</translation>
    </message>
    <message>
        <source>The printer did not confirm the change, but it may have taken it. Connect again to see what it holds before trying again.</source>
        <translation>La stampante non ha confermato la modifica, ma potrebbe averla applicata. Connettersi di nuovo per vedere cosa contiene prima di riprovare.</translation>
    </message>
</context>
<context>
    <name>FindAtAddress</name>
    <message>
        <source>Find at address</source>
        <translation>Cerca per indirizzo</translation>
    </message>
    <message>
        <source>Addresses to ask, such as 10.0.5.20, 10.0.5.1-40 or 10.0.5.7,10.0.6.1-9:</source>
        <translation>Indirizzi da interrogare, ad esempio 10.0.5.20, 10.0.5.1-40 o 10.0.5.7,10.0.6.1-9:</translation>
    </message>
    <message>
        <source>These addresses cannot be asked: %1</source>
        <translation>Questi indirizzi non possono essere interrogati: %1</translation>
    </message>
    <message>
        <source>Find at address...</source>
        <translation>Cerca per indirizzo...</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The change was made, but it could not be added to the history: %1</source>
        <translation>La modifica è stata eseguita, ma non è stato possibile aggiungerla alla cronologia: %1</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>non è un oggetto JSON</translation>
    </message>
    <message>
        <source>no valid time</source>
        <translation>nessun orario valido</translation>
    </message>
    <message>
        <source>no outcome or no list of changes</source>
        <translation>nessun esito o nessun elenco di modifiche</translation>
    </message>
    <message>
        <source>a change without a field name</source>
        <translation>una modifica senza nome di campo</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>%1 stayed locked by another program</source>
        <translation>%1 è rimasto bloccato da un altro programma</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>line %1 of %2 skipped: %3</source>
        <translation>riga %1 di %2 ignorata: %3</translation>
    </message>
    <message>
        <source>The change may have reached the printer, but it could not be added to the history: %1</source>
        <translation>La modifica potrebbe aver raggiunto la stampante, ma non è stato possibile aggiungerla alla cronologia: %1</translation>
    </message>
    <message>
        <source>The failed attempt could not be added to the history: %1</source>
        <translation>Non è stato possibile aggiungere il tentativo non riuscito alla cronologia: %1</translation>
    </message>
    <message>
        <source>The change could not be added to the history: %1</source>
        <translation>Non è stato possibile aggiungere la modifica alla cronologia: %1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the history is not written through links</source>
        <translation>%1 è un collegamento simbolico; la cronologia non viene scritta attraverso i collegamenti</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 non è un file normale</translation>
    </message>
    <message>
        <source>cannot read %1: %2 is not a folder</source>
        <translation>impossibile leggere %1: %2 non è una cartella</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv);;All files (*)</source>
        <translation>Valori separati da virgola (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>History of changes</source>
        <translation>Cronologia delle modifiche</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Stampante</translation>
    </message>
    <message>
        <source>All printers</source>
        <translation>Tutte le stampanti</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Ora (UTC)</translation>
    </message>
    <message>
        <source>Front end</source>
        <translation>Interfaccia</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Way in</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifiche</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Esporta CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The history could not be exported:
%1</source>
        <translation>Impossibile esportare la cronologia:
%1</translation>
    </message>
</context>
<context>
    <name>Ipv4AddressEdit</name>
    <message>
        <source>This mask is not a run of ones followed by zeros (such as 255.255.255.0).</source>
        <translation>Questa subnet mask non è una sequenza di uno seguita da zeri (come 255.255.255.0).</translation>
    </message>
    <message>
        <source>This is the network address of the subnet its mask spans; no device can use it.</source>
        <translation>Questo è l&apos;indirizzo di rete della subnet coperta dalla sua mask; nessun dispositivo può usarlo.</translation>
    </message>
    <message>
        <source>This is the broadcast address of the subnet its mask spans; no device can use it.</source>
        <translation>Questo è l&apos;indirizzo di broadcast della subnet coperta dalla sua mask; nessun dispositivo può usarlo.</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>%1, part %2 of 4</source>
        <translation>%1, parte %2 di 4</translation>
    </message>
    <message>
        <source>0 to 255</source>
        <translation>da 0 a 255</translation>
    </message>
</context>
<context>
    <name>LanEndpoints</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address or a range A.B.C.D-E</source>
        <translation>«%1» non è un indirizzo IPv4 né un intervallo A.B.C.D-E</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; ends before it starts</source>
        <translation>l’intervallo «%1» finisce prima di cominciare</translation>
    </message>
    <message>
        <source>more than %1 addresses</source>
        <translation>più di %1 indirizzi</translation>
    </message>
    <message>
        <source>the list has an empty entry (two commas in a row, or one at an end)</source>
        <translation>l&apos;elenco ha una voce vuota (due virgole di seguito, o una all&apos;inizio o alla fine)</translation>
    </message>
</context>
<context>
    <name>LanSendChecks</name>
    <message>
        <source>The subnet mask %1 is not contiguous: its ones must all come before its zeros.</source>
        <translation>La subnet mask %1 non è contigua: tutti i bit a 1 devono precedere i bit a 0.</translation>
    </message>
    <message>
        <source>The IP address %1 is the network address of its subnet; no device can use it.</source>
        <translation>L&apos;indirizzo IP %1 è l&apos;indirizzo di rete della sua subnet; nessun dispositivo può utilizzarlo.</translation>
    </message>
    <message>
        <source>The IP address %1 is the broadcast address of its subnet; no device can use it.</source>
        <translation>L&apos;indirizzo IP %1 è l&apos;indirizzo di broadcast della sua subnet; nessun dispositivo può utilizzarlo.</translation>
    </message>
    <message>
        <source>The IP address %1 is reserved (%2) and cannot be a printer&apos;s address.</source>
        <translation>L&apos;indirizzo IP %1 è riservato (%2) e non può essere l&apos;indirizzo di una stampante.</translation>
    </message>
    <message>
        <source>The gateway %1 is outside the subnet %2 of the IP address; the printer could not reach it.</source>
        <translation>Il gateway %1 è al di fuori della subnet %2 dell&apos;indirizzo IP; la stampante non potrebbe raggiungerlo.</translation>
    </message>
    <message>
        <source>The IP address %1 is already used by the printer %2 in the list.</source>
        <translation>L&apos;indirizzo IP %1 è già utilizzato dalla stampante %2 nell&apos;elenco.</translation>
    </message>
    <message>
        <source>The IP address %1 is outside the subnet %2 of this computer&apos;s address %3: this computer will no longer reach the printer without a route.</source>
        <translation>L&apos;indirizzo IP %1 è al di fuori della subnet %2 dell&apos;indirizzo %3 di questo computer: senza un instradamento, questo computer non raggiungerà più la stampante.</translation>
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
        <translation>Impostazioni di rete</translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation>Indirizzo IP:</translation>
    </message>
    <message>
        <source>Subnet Mask :</source>
        <translation>Subnet mask:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Local Port :</source>
        <translation>Porta locale:</translation>
    </message>
    <message>
        <source> (0 ~ 32767)</source>
        <translation> (0 ~ 32767)</translation>
    </message>
    <message>
        <source>Inactivity time :
(0 ~ 3600)    </source>
        <translation>Tempo di inattività:
(0 ~ 3600)    </translation>
    </message>
    <message>
        <source>sec (Default: 0)</source>
        <translation>s (predefinito: 0)</translation>
    </message>
    <message>
        <source>DHCP Mode</source>
        <translation>Modalità DHCP</translation>
    </message>
    <message>
        <source>Device Baudrate :</source>
        <translation>Velocità del dispositivo (baud):</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>Configurazione WLAN</translation>
    </message>
    <message>
        <source>Ethernet Configuration</source>
        <translation>Configurazione Ethernet</translation>
    </message>
    <message>
        <source>TCP port, up to 32767</source>
        <translation>Porta TCP, fino a 32767</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>Secondi, da 0 a 3600</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>Versione firmware:</translation>
    </message>
    <message>
        <source>The settings to be sent give these warnings:</source>
        <translation>Le impostazioni da inviare generano questi avvisi:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Salva comunque</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>The settings to be sent conflict with the network or another printer:</source>
        <translation>Le impostazioni da inviare sono in conflitto con la rete o con un&apos;altra stampante:</translation>
    </message>
    <message>
        <source>Save despite the conflicts</source>
        <translation>Salva nonostante i conflitti</translation>
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
        <translation>Configurazione Ethernet
(Ethernet)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(WLAN)</source>
        <translation>Configurazione WLAN
(WLAN)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(USB)</source>
        <translation>Configurazione WLAN
(USB)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni...</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Cronologia…</translation>
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
        <translation>Indirizzo IP - </translation>
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
        <source>Addresses of this computer</source>
        <translation>Indirizzi di questo computer</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>Tutti gli indirizzi</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Network Mode</source>
        <translation>Modalità di rete</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>Infrastruttura</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>Ad hoc</translation>
    </message>
    <message>
        <source>Ad Hoc Channel</source>
        <translation>Canale ad hoc</translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <translation>Wi-Fi Direct</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Conn Mode</source>
        <translation>Modalità connessione</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>Codice PIN</translation>
    </message>
    <message>
        <source>IP Assignment Method</source>
        <translation>Assegnazione indirizzo IP</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>Assegnazione automatica (DHCP)</translation>
    </message>
    <message>
        <source>Manual Allocation</source>
        <translation>Assegnazione manuale</translation>
    </message>
    <message>
        <source>Network Setting</source>
        <translation>Impostazioni di rete</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Inactivity Time (0~3600)</source>
        <translation>Tempo di inattività (0~3600)</translation>
    </message>
    <message>
        <source>Sec (Default: 0)</source>
        <translation>s (predefinito: 0)</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Channel, 1 to 14</source>
        <translation>Canale, da 1 a 14</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>Secondi, da 0 a 3600</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>Permission denied: add your user to the &apos;dialout&apos; group (serial) or &apos;lp&apos; group (USB printer), then log in again</source>
        <translation>Autorizzazione negata: aggiungere l&apos;utente al gruppo &apos;dialout&apos; (seriale) o al gruppo &apos;lp&apos; (stampante USB), quindi accedere di nuovo</translation>
    </message>
    <message>
        <source>Your user needs to be in the group &apos;%1&apos; that owns %2: run &quot;sudo usermod -aG %1 $USER&quot;, then log in again.</source>
        <translation>L&apos;utente deve far parte del gruppo &apos;%1&apos;, proprietario di %2: eseguire &quot;sudo usermod -aG %1 $USER&quot;, quindi accedere di nuovo.</translation>
    </message>
    <message>
        <source>No printer is ready on this line: its DSR or CTS signal is off.</source>
        <translation>Nessuna stampante pronta su questa linea: il segnale DSR o CTS è disattivato.</translation>
    </message>
    <message>
        <source>The port does not take the printer&apos;s line settings (115200 baud, 8 data bits, no parity, 1 stop bit, RTS/CTS).</source>
        <translation>La porta non accetta i parametri di linea della stampante (115200 baud, 8 bit di dati, nessuna parità, 1 bit di stop, RTS/CTS).</translation>
    </message>
    <message>
        <source>The device is in use by another program.</source>
        <translation>Il dispositivo è in uso da parte di un altro programma.</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>&quot;%1&quot; deve essere un testo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number</source>
        <translation>&quot;%1&quot; deve essere un numero intero</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a dotted IPv4 address such as &quot;192.168.0.10&quot;</source>
        <translation>&quot;%1&quot; deve essere un indirizzo IPv4 in notazione decimale puntata, ad esempio &quot;192.168.0.10&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a value of the wrong kind</source>
        <translation>&quot;%1&quot; ha un valore di tipo errato</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than its %2 bytes</source>
        <translation>&quot;%1&quot; supera la lunghezza massima di %2 byte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not contain a zero character</source>
        <translation>&quot;%1&quot; non deve contenere caratteri nulli</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from 0 to %2</source>
        <translation>&quot;%1&quot; deve essere un numero intero compreso tra 0 e %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to one printer and is never part of a profile</source>
        <translation>&quot;%1&quot; è specifico di ogni stampante e non fa mai parte di un profilo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a profile</source>
        <translation>&quot;%1&quot; non è un&apos;impostazione di profilo</translation>
    </message>
    <message>
        <source>not valid JSON (%1 at offset %2)</source>
        <translation>JSON non valido (%1 alla posizione %2)</translation>
    </message>
    <message>
        <source>the file must hold one JSON object</source>
        <translation>il file deve contenere un solo oggetto JSON</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot; (a profile holds &quot;format&quot; and &quot;config&quot;)</source>
        <translation>chiave sconosciuta &quot;%1&quot; (un profilo contiene &quot;format&quot; e &quot;config&quot;)</translation>
    </message>
    <message>
        <source>&quot;format&quot; must be &quot;%1&quot;</source>
        <translation>&quot;format&quot; deve essere &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file has no &quot;config&quot; object</source>
        <translation>il file non contiene un oggetto &quot;config&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: Wi-Fi Direct needs a printer with the newer record layout</source>
        <translation>&quot;%1&quot;: Wi-Fi Direct richiede una stampante con il formato di record più recente</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears more than once</source>
        <translation>la chiave &quot;%1&quot; compare più di una volta</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a secret; a secrets file holds only %2</source>
        <translation>&quot;%1&quot; non è un dato riservato; un file di dati riservati contiene solo %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the profile would fix this DHCP printer at the address it holds now; a profile that changes the address assignment needs the address too (export with the address)</source>
        <translation>&quot;%1&quot;: il profilo fisserebbe questa stampante DHCP all&apos;indirizzo che ha ora; un profilo che cambia l&apos;assegnazione dell&apos;indirizzo deve contenere anche l&apos;indirizzo (esportare con l&apos;indirizzo)</translation>
    </message>
</context>
<context>
    <name>ProtocolPage</name>
    <message>
        <source>Task State</source>
        <translation>Stato dei servizi</translation>
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
        <translation>Nome community (lettura):</translation>
    </message>
    <message>
        <source>Community Name (Write):</source>
        <translation>Nome community (scrittura):</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>Indirizzo IP trap</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>Community trap</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Search...</source>
        <translation>Ricerca...</translation>
    </message>
    <message>
        <source>Searching.</source>
        <translation>Ricerca in corso.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>SecretToggle</name>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Show or hide what is typed</source>
        <translation>Mostra o nascondi il testo digitato</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Mostra %1</translation>
    </message>
</context>
<context>
    <name>SecretsDialog</name>
    <message>
        <source>WEP Key</source>
        <translation>Chiave WEP</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>Chiave PSK</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>Codice PIN</translation>
    </message>
    <message>
        <source>The profile leaves out these secrets. Enter them for this printer:</source>
        <translation>Il profilo non contiene questi dati riservati. Inserirli per questa stampante:</translation>
    </message>
</context>
<context>
    <name>SecurityPage</name>
    <message>
        <source>Authentication</source>
        <translation>Autenticazione</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>Sistema aperto</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>Chiave condivisa</translation>
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
        <translation>Crittografia</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>Nessuna</translation>
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
        <translation>Chiave WEP</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>Chiave PSK</translation>
    </message>
    <message>
        <source>Authentication ID</source>
        <translation>ID di autenticazione</translation>
    </message>
    <message>
        <source>Authentication Password</source>
        <translation>Password di autenticazione</translation>
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
        <translation>N.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>Nome stampante</translation>
    </message>
    <message>
        <source>Printer Port Num</source>
        <translation>Numero porta stampante</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>ID utente</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>Password utente</translation>
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
        <translation>Community di scrittura</translation>
    </message>
    <message>
        <source>Get Community</source>
        <translation>Community di lettura</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>Indirizzo IP trap</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>Community trap</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Modalità di rete</translation>
    </message>
    <message>
        <source>Adhoc Channel</source>
        <translation>Canale ad hoc</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>Tempo di inattività</translation>
    </message>
    <message>
        <source>IP Assignment method</source>
        <translation>Assegnazione indirizzo IP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Autenticazione</translation>
    </message>
    <message>
        <source>Cryptograph</source>
        <translation>Crittografia</translation>
    </message>
    <message>
        <source>WEP Key</source>
        <translation>Chiave WEP</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>Chiave PSK</translation>
    </message>
    <message>
        <source>EAP Mode</source>
        <translation>Modalità EAP</translation>
    </message>
    <message>
        <source>Auth ID</source>
        <translation>ID di autenticazione</translation>
    </message>
    <message>
        <source>Auth Password/Certification Key(EAP-TLS)</source>
        <translation>Password di autenticazione/chiave del certificato (EAP-TLS)</translation>
    </message>
    <message>
        <source>P2P Conn Mode</source>
        <translation>Modalità connessione P2P</translation>
    </message>
    <message>
        <source>P2P Channel</source>
        <translation>Canale P2P</translation>
    </message>
    <message>
        <source>P2P Pin Code</source>
        <translation>Codice PIN P2P</translation>
    </message>
    <message>
        <source>Settings written to the printer</source>
        <translation>Impostazioni scritte nella stampante</translation>
    </message>
    <message>
        <source>&amp;Show secrets</source>
        <translation>&amp;Mostra dati riservati</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copies every row, tab-separated, as shown</source>
        <translation>Copia tutte le righe, separate da tabulazioni, così come sono visualizzate</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The BSS information has been imported successfully.</source>
        <translation>Le informazioni BSS sono state importate correttamente.</translation>
    </message>
    <message>
        <source>Failed to import the BSS information.
Please check the IP address or port number to connect to.</source>
        <translation>Impossibile importare le informazioni BSS.
Controllare l&apos;indirizzo IP o il numero di porta della connessione.</translation>
    </message>
    <message>
        <source>Failed to connect to the printer.</source>
        <translation>Impossibile connettersi alla stampante.</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Reset the printer.</source>
        <translation>La configurazione è stata completata.
Riavviare la stampante.</translation>
    </message>
    <message>
        <source>The configuration has failed.</source>
        <translation>La configurazione non è riuscita.</translation>
    </message>
    <message>
        <source>Unable to open the port.</source>
        <translation>Impossibile aprire la porta.</translation>
    </message>
    <message>
        <source>The User ID is incorrect.
Please try again.</source>
        <translation>L&apos;ID utente non è corretto.
Riprovare.</translation>
    </message>
    <message>
        <source>The Password is incorrect.
Please try again.</source>
        <translation>La password non è corretta.
Riprovare.</translation>
    </message>
    <message>
        <source>The system name is incorrect.
Please try again.</source>
        <translation>Il nome di sistema non è corretto.
Riprovare.</translation>
    </message>
    <message>
        <source>The port number is incorrect.
Please try again.</source>
        <translation>Il numero di porta non è corretto.
Riprovare.</translation>
    </message>
    <message>
        <source>The community name is incorrect.
Please try again.</source>
        <translation>Il nome della community non è corretto.
Riprovare.</translation>
    </message>
    <message>
        <source>The trap community is incorrect.
Please try again.</source>
        <translation>La community trap non è corretta.
Riprovare.</translation>
    </message>
    <message>
        <source>The Adhoc channel is incorrect.
Please try again.</source>
        <translation>Il canale ad hoc non è corretto.
Riprovare.</translation>
    </message>
    <message>
        <source>The SSID is incorrect.
Please try again.</source>
        <translation>L&apos;SSID non è corretto.
Riprovare.</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
Please try again.</source>
        <translation>La chiave PSK non è corretta.
Riprovare.</translation>
    </message>
    <message>
        <source>The certificate ID is incorrect.
Please try again.</source>
        <translation>L&apos;ID del certificato non è corretto.
Riprovare.</translation>
    </message>
    <message>
        <source>The certificate password is incorrect.
Please try again.</source>
        <translation>La password del certificato non è corretta.
Riprovare.</translation>
    </message>
    <message>
        <source>The printer has been connected successfully.</source>
        <translation>La stampante è stata connessa correttamente.</translation>
    </message>
    <message>
        <source>The certificate document has been uploaded successfully.
Reset the printer.</source>
        <translation>Il certificato è stato caricato correttamente.
Riavviare la stampante.</translation>
    </message>
    <message>
        <source>Failed to upload the certificate document.
Reset the printer.</source>
        <translation>Impossibile caricare il certificato.
Riavviare la stampante.</translation>
    </message>
    <message>
        <source>The maximum size of a certificate file is 3KB.</source>
        <translation>La dimensione massima di un file di certificato è 3 KB.</translation>
    </message>
    <message>
        <source>The certificate file is selected.</source>
        <translation>Il file di certificato è stato selezionato.</translation>
    </message>
    <message>
        <source>The certificate file is invalid.</source>
        <translation>Il file di certificato non è valido.</translation>
    </message>
    <message>
        <source>No certificate file is selected or the selected file is invalid.</source>
        <translation>Nessun file di certificato selezionato oppure il file selezionato non è valido.</translation>
    </message>
    <message>
        <source>The Adhoc mode is not available.
Authentication is allowed in either Open System or Shared Key.</source>
        <translation>La modalità ad hoc non è disponibile.
Sono consentite solo le autenticazioni Sistema aperto e Chiave condivisa.</translation>
    </message>
    <message>
        <source>Failed to read the certificate file.</source>
        <translation>Impossibile leggere il file di certificato.</translation>
    </message>
    <message>
        <source>Please select a device in the list.</source>
        <translation>Selezionare un dispositivo nell&apos;elenco.</translation>
    </message>
    <message>
        <source>Please search for a device again.</source>
        <translation>Cercare di nuovo i dispositivi.</translation>
    </message>
    <message>
        <source>Error: Failed to read the list of information.</source>
        <translation>Errore: impossibile leggere l&apos;elenco delle informazioni.</translation>
    </message>
    <message>
        <source>Please check the IP address or port number.</source>
        <translation>Controllare l&apos;indirizzo IP o il numero di porta.</translation>
    </message>
    <message>
        <source>The specified port is not available.
Please enter a port number again.</source>
        <translation>La porta specificata non è disponibile.
Immettere di nuovo un numero di porta.</translation>
    </message>
    <message>
        <source>The IP address cannot be used.
Please enter an IP address again.</source>
        <translation>L&apos;indirizzo IP non può essere utilizzato.
Immettere di nuovo un indirizzo IP.</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>La configurazione è stata completata.
Se l&apos;elenco non si aggiorna, cercare di nuovo i dispositivi.</translation>
    </message>
    <message>
        <source>The WLAN configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>La configurazione WLAN è stata completata.
Se l&apos;elenco non si aggiorna, cercare di nuovo i dispositivi.</translation>
    </message>
    <message>
        <source>Unable to configure the port.
Please enter a port number again.(0~32767)</source>
        <translation>Impossibile configurare la porta.
Immettere di nuovo un numero di porta. (0~32767)</translation>
    </message>
    <message>
        <source>Unable to save the configuration.
Please configure again.</source>
        <translation>Impossibile salvare la configurazione.
Ripetere la configurazione.</translation>
    </message>
    <message>
        <source>The time has not been set.
Please enter time again.</source>
        <translation>Il tempo non è stato impostato.
Immettere di nuovo il tempo.</translation>
    </message>
    <message>
        <source>The channel number has not been set.
Please enter a channel number again.(0~14)</source>
        <translation>Il numero di canale non è stato impostato.
Immettere di nuovo un numero di canale. (0~14)</translation>
    </message>
    <message>
        <source>Network is in Adhoc mode.
You must assign IP address manually.</source>
        <translation>La rete è in modalità ad hoc.
È necessario assegnare l&apos;indirizzo IP manualmente.</translation>
    </message>
    <message>
        <source>Unable to connect to the USB device.</source>
        <translation>Impossibile connettersi al dispositivo USB.</translation>
    </message>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Now Searching</source>
        <translation>Ricerca in corso</translation>
    </message>
    <message>
        <source>System &amp; Information</source>
        <translation>Sistema e informazioni</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <translation>Informazioni BSS</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Autenticazione</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocollo</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>Sistema aperto</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>Chiave condivisa</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>Infrastruttura</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>Ad hoc</translation>
    </message>
    <message>
        <source>Manual allocation</source>
        <translation>Assegnazione manuale</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>Assegnazione automatica (DHCP)</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disabilitato</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Abilitato</translation>
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
        <translation>Password di autenticazione</translation>
    </message>
    <message>
        <source>Certification Password</source>
        <translation>Password del certificato</translation>
    </message>
    <message>
        <source>Incorrect PIN. Please re-enter your PIN Code.</source>
        <translation>PIN non corretto. Immettere di nuovo il codice PIN.</translation>
    </message>
    <message>
        <source>Currently no network connection is found. Check the network connection.</source>
        <translation>Nessuna connessione di rete trovata. Controllare la connessione di rete.</translation>
    </message>
    <message>
        <source>The text is too long for the printer.
Please shorten it (some characters take more than one byte).</source>
        <translation>Il testo è troppo lungo per la stampante.
Accorciarlo (alcuni caratteri occupano più di un byte).</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
It must be 8 to 63 printable ASCII characters or 64 hexadecimal digits.</source>
        <translation>La chiave PSK non è corretta.
Deve essere composta da 8 a 63 caratteri ASCII stampabili o da 64 cifre esadecimali.</translation>
    </message>
    <message>
        <source>This setting cannot be chosen together with the other settings.
Please check the settings and try again.</source>
        <translation>Questa impostazione non può essere scelta insieme alle altre impostazioni.
Controllare le impostazioni e riprovare.</translation>
    </message>
    <message>
        <source>The search could not start.
%1</source>
        <translation>Impossibile avviare la ricerca.
%1</translation>
    </message>
    <message>
        <source>The settings could not be sent.
%1</source>
        <translation>Impossibile inviare le impostazioni.
%1</translation>
    </message>
    <message>
        <source>The local address %1 cannot be used.</source>
        <translation>L&apos;indirizzo locale %1 non può essere utilizzato.</translation>
    </message>
    <message>
        <source>The local UDP port %1 cannot be used.</source>
        <translation>La porta UDP locale %1 non può essere utilizzata.</translation>
    </message>
    <message>
        <source>The request could not leave this computer: %1</source>
        <translation>Impossibile inviare la richiesta da questo computer: %1</translation>
    </message>
    <message>
        <source>No web browser could be opened.
Please open this address in a web browser:
%1</source>
        <translation>Impossibile aprire un browser web.
Aprire questo indirizzo in un browser web:
%1</translation>
    </message>
    <message>
        <source>The printer has no IP address configured.
Its web page cannot be opened.</source>
        <translation>La stampante non ha un indirizzo IP configurato.
Impossibile aprire la sua pagina web.</translation>
    </message>
    <message>
        <source>This printer does not offer Setting (feature code %1).</source>
        <translation>Questa stampante non offre la funzione &quot;Impostazioni&quot; (codice funzione %1).</translation>
    </message>
    <message>
        <source>Discard the changes made since Connect?</source>
        <translation>Scartare le modifiche apportate dopo la connessione?</translation>
    </message>
    <message>
        <source>WEP Key is invalid.
WEP Key must be 5 or 13 characters, or 10 or 26 hexadecimal digits.</source>
        <translation>La chiave WEP non è valida.
La chiave WEP deve essere di 5 o 13 caratteri oppure di 10 o 26 cifre esadecimali.</translation>
    </message>
    <message>
        <source>Certification</source>
        <translation>Certificati</translation>
    </message>
    <message>
        <source>The subnet mask is not valid: its ones must all come before its zeros.
Please enter the subnet mask again.</source>
        <translation>La subnet mask non è valida: tutti i bit a 1 devono precedere i bit a 0.
Inserire di nuovo la subnet mask.</translation>
    </message>
    <message>
        <source>UDP port %1 is in use by another program.</source>
        <translation>La porta UDP %1 è in uso da parte di un altro programma.</translation>
    </message>
    <message>
        <source>The requests cannot be kept to interface %1: %2</source>
        <translation>Le richieste non possono essere limitate all&apos;interfaccia %1: %2</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>Nome stampante</translation>
    </message>
    <message>
        <source>Printer Port Num (0 ~ 32767)</source>
        <translation>Numero porta stampante (0 ~ 32767)</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>ID utente</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>Password utente</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Conferma password</translation>
    </message>
    <message>
        <source>Firmware Information</source>
        <translation>Informazioni firmware</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>Versione firmware:</translation>
    </message>
    <message>
        <source>Update Date :</source>
        <translation>Data aggiornamento:</translation>
    </message>
    <message>
        <source>Mac Address :</source>
        <translation>Indirizzo MAC:</translation>
    </message>
    <message>
        <source>TCP port, 0 to 32767</source>
        <translation>Porta TCP, da 0 a 32767</translation>
    </message>
</context>
<context>
    <name>VerificationNote</name>
    <message>
        <source>IP address</source>
        <translation>indirizzo IP</translation>
    </message>
    <message>
        <source>subnet mask</source>
        <translation>subnet mask</translation>
    </message>
    <message>
        <source>gateway</source>
        <translation>gateway</translation>
    </message>
    <message>
        <source>port</source>
        <translation>porta</translation>
    </message>
    <message>
        <source>inactivity time</source>
        <translation>tempo di inattività</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>baud rate code</source>
        <translation>codice della velocità in baud</translation>
    </message>
    <message>
        <source>Not verified: the printer did not answer the search after the change.</source>
        <translation>Non verificato: la stampante non ha risposto alla ricerca dopo la modifica.</translation>
    </message>
    <message>
        <source>Verified: now at %1, port %2</source>
        <translation>Verificato: ora all&apos;indirizzo %1, porta %2</translation>
    </message>
    <message>
        <source>%1 %2 instead of %3</source>
        <translation>%1 %2 invece di %3</translation>
    </message>
    <message>
        <source>Not verified: the printer reports %1.</source>
        <translation>Non verificato: la stampante riporta %1.</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>Non verificato: il controllo è stato annullato.</translation>
    </message>
    <message>
        <source>Not verified: DHCP is on and the printer has no address yet.</source>
        <translation>Non verificato: il DHCP è attivo e la stampante non ha ancora un indirizzo.</translation>
    </message>
</context>
<context>
    <name>corvane::app::LauncherDialog</name>
    <message>
        <source>Provision printers...</source>
        <translation>Configura più stampanti...</translation>
    </message>
</context>
<context>
    <name>corvane::lan::AssignAddressesDialog</name>
    <message>
        <source>Assign addresses</source>
        <translation>Assegna indirizzi</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>Primo indirizzo</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>Gateway (optional)</source>
        <translation>Gateway (facoltativo)</translation>
    </message>
    <message>
        <source>Port (optional)</source>
        <translation>Porta (facoltativa)</translation>
    </message>
    <message>
        <source>Send rows with warnings too</source>
        <translation>Invia anche le righe con avvisi</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>Indirizzo MAC</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Attuale</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Enter the first address as four numbers 0-255 with dots between them.</source>
        <translation>Inserire il primo indirizzo come quattro numeri da 0 a 255 separati da punti.</translation>
    </message>
    <message>
        <source>Enter the subnet mask as four numbers 0-255 with dots between them.</source>
        <translation>Inserire la subnet mask come quattro numeri da 0 a 255 separati da punti.</translation>
    </message>
    <message>
        <source>Enter the port as a number, or leave it empty to keep each printer&apos;s port.</source>
        <translation>Inserire la porta come numero, oppure lasciarla vuota per mantenere la porta di ogni stampante.</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non inviata</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>non trovata</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>invariata</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rifiutata</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>confermata</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>non confermata</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificata</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>non verificata</translation>
    </message>
    <message>
        <source>Sending to %1 (%2 of %3)…</source>
        <translation>Invio a %1 (%2 di %3)…</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printers to restart, then searching for them again…</source>
        <translation>Attesa di %1 s per il riavvio delle stampanti, poi nuova ricerca…</translation>
    </message>
    <message>
        <source>Cancelled before anything was sent.</source>
        <translation>Annullato prima di inviare qualcosa.</translation>
    </message>
    <message>
        <source>Cancelled: sent to %1; the other rows were not sent.</source>
        <translation>Annullato: inviato a %1; le altre righe non sono state inviate.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1 take each other&apos;s addresses in a circle, which would need a temporary address: nothing is sent to them. Give one of them an unused address first.</source>
        <translation>%1 si scambiano gli indirizzi in cerchio, il che richiederebbe un indirizzo temporaneo: a loro non viene inviato nulla. Assegnare prima a uno di essi un indirizzo libero.</translation>
    </message>
    <message>
        <source>%1 still holds %2: its own row did not move it away, so this row was not sent.</source>
        <translation>%1 occupa ancora %2: la sua riga non l&apos;ha spostata, quindi questa riga non è stata inviata.</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>Non verificato: il controllo è stato annullato.</translation>
    </message>
    <message>
        <source>The check after the change was cancelled: the confirmed printers are not verified.</source>
        <translation>Il controllo dopo la modifica è stato annullato: le stampanti confermate non sono verificate.</translation>
    </message>
    <message>
        <source>will not be sent</source>
        <translation>non verrà inviata</translation>
    </message>
    <message>
        <source>will be sent</source>
        <translation>verrà inviata</translation>
    </message>
    <message numerus="yes">
        <source>Done: the new address shows on %1 of %n printer(s).</source>
        <translation>
            <numerusform>Fatto: il nuovo indirizzo risulta su %1 stampante su %n.</numerusform>
            <numerusform>Fatto: il nuovo indirizzo risulta su %1 stampanti su %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Send rows with conflicts too</source>
        <translation>Invia anche le righe con conflitti</translation>
    </message>
    <message>
        <source>Enter the gateway as four numbers 0-255, or leave it empty to keep each printer&apos;s gateway.</source>
        <translation>Inserire il gateway come quattro numeri da 0 a 255, oppure lasciarlo vuoto per mantenere il gateway di ogni stampante.</translation>
    </message>
    <message>
        <source>mask %1</source>
        <translation>maschera %1</translation>
    </message>
    <message>
        <source>gateway %1</source>
        <translation>gateway %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>porta %1</translation>
    </message>
    <message>
        <source>DHCP on</source>
        <translation>DHCP attivo</translation>
    </message>
    <message>
        <source>DHCP off</source>
        <translation>DHCP disattivo</translation>
    </message>
    <message>
        <source>Searching for the printers again: %1 of at most %2 s…</source>
        <translation>Nuova ricerca delle stampanti: %1 di massimo %2 s…</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Stampanti</translation>
    </message>
</context>
<context>
    <name>corvane::lan::DeviceListDialog</name>
    <message>
        <source>Assign addresses...</source>
        <translation>Assegna indirizzi...</translation>
    </message>
    <message>
        <source>Gives the chosen printers consecutive addresses.</source>
        <translation>Assegna alle stampanti scelte indirizzi consecutivi.</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Modalità di contatto</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>Scheda di rete</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Searching for the printer again: %1 of at most %2 s…</source>
        <translation>Nuova ricerca della stampante: %1 di massimo %2 s…</translation>
    </message>
    <message>
        <source>Print a test page</source>
        <translation>Stampa una pagina di prova</translation>
    </message>
    <message>
        <source>Prints a test page on the printer at its new address %1, port %2.</source>
        <translation>Stampa una pagina di prova sulla stampante al suo nuovo indirizzo %1, porta %2.</translation>
    </message>
</context>
<context>
    <name>corvane::provision::ProvisionDialog</name>
    <message>
        <source>Provision printers</source>
        <translation>Configura più stampanti</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli...</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profilo:</translation>
    </message>
    <message>
        <source>Profiles (*.json)</source>
        <translation>Profili (*.json)</translation>
    </message>
    <message>
        <source>Printers &amp;sheet (optional):</source>
        <translation>Elenco &amp;stampanti (facoltativo):</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>ttyUSB0, ttyS0</source>
        <translation>ttyUSB0, ttyS0</translation>
    </message>
    <message>
        <source>Se&amp;rial ports (optional):</source>
        <translation>Po&amp;rte seriali (facoltativo):</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>Indirizzo MAC</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Fields changed</source>
        <translation>Campi modificati</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Stampanti</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>&amp;Avvia</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>The profile cannot be read: %1</source>
        <translation>Impossibile leggere il profilo: %1</translation>
    </message>
    <message>
        <source>The profile cannot be used: %1</source>
        <translation>Impossibile usare il profilo: %1</translation>
    </message>
    <message>
        <source>The printers sheet cannot be used: %1</source>
        <translation>Impossibile usare l&apos;elenco delle stampanti: %1</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>Scollegata</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Configuring</source>
        <translation>Configurazione in corso</translation>
    </message>
    <message>
        <source>Done; unplug it</source>
        <translation>Fatto; scollegarla</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Configured (profile only)</source>
        <translation>Configurata (solo profilo)</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>Configurata</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Invariata</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Non riuscita: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) in progress.</source>
        <translation>
            <numerusform>%n stampante in lavorazione.</numerusform>
            <numerusform>%n stampanti in lavorazione.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrestato.</translation>
    </message>
    <message numerus="yes">
        <source>Stopping: %n printer(s) still in progress.</source>
        <translation>
            <numerusform>Arresto in corso: ancora %n stampante in lavorazione.</numerusform>
            <numerusform>Arresto in corso: ancora %n stampanti in lavorazione.</numerusform>
        </translation>
    </message>
    <message>
        <source>Configured: %1, unchanged: %2, failed: %3. %4</source>
        <comment>the totals, then the state sentence</comment>
        <translation>Configurate: %1, invariate: %2, non riuscite: %3. %4</translation>
    </message>
</context>
</TS>
