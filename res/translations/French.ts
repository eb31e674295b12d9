<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBox</name>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Sets up the network interface of Zephran POS receipt printers: Ethernet and wireless printers on the local network, and printers attached by a serial port or a USB cable.</source>
        <translation>Configure l&apos;interface réseau des imprimantes de tickets POS Zephran&#xa0;: imprimantes Ethernet et sans fil du réseau local, et imprimantes raccordées par un port série ou un câble USB.</translation>
    </message>
    <message>
        <source>Copyright © Corvane Tool developers. Free software under the MIT licence.</source>
        <translation>Copyright © Corvane Tool developers. Logiciel libre sous licence MIT.</translation>
    </message>
    <message>
        <source>About Corvane Tool</source>
        <translation>À propos de Corvane Tool</translation>
    </message>
</context>
<context>
    <name>BssInfoDialog</name>
    <message>
        <source>BSS Information</source>
        <translation>Informations BSS</translation>
    </message>
    <message>
        <source>No</source>
        <translation>N°</translation>
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
        <translation>Mode</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>Obtenir les informations BSS</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>Points d&apos;accès détectés par l&apos;imprimante</translation>
    </message>
</context>
<context>
    <name>BssPage</name>
    <message>
        <source>No</source>
        <translation>N°</translation>
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
        <translation>MODE</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>Obtenir les informations BSS</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>Points d&apos;accès détectés par l&apos;imprimante</translation>
    </message>
    <message>
        <source>Use this network</source>
        <translation>Utiliser ce réseau</translation>
    </message>
    <message>
        <source>Puts the chosen network&apos;s name on the Network page and, where the survey names one, its authentication on the Authentication page</source>
        <translation>Reporte le nom du réseau choisi sur la page Réseau et, si l&apos;analyse en indique une, son authentification sur la page Authentification</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation>Infrastructure</translation>
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
        <translation>Certificat</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <translation>Clé client</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <translation>PEM client</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>File Upload</source>
        <translation>Envoyer le fichier</translation>
    </message>
    <message>
        <source>Original Certificate Format (*)</source>
        <translation>Format de certificat d&apos;origine (*)</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>Fichier de certificat</translation>
    </message>
</context>
<context>
    <name>ConfigApp</name>
    <message>
        <source>Sets up the network interface of Zephran receipt printers.</source>
        <translation>Configure l&apos;interface réseau des imprimantes de tickets Zephran.</translation>
    </message>
    <message>
        <source>Show the windows in NAME instead of the system&apos;s language: en (the built-in English), a catalog name such as Japanese or German, or a locale name such as de_AT.</source>
        <translation>Affiche les fenêtres dans la langue NAME au lieu de celle du système&#xa0;: en (l&apos;anglais intégré), un nom de catalogue tel que Japanese ou German, ou un nom de paramètres régionaux tel que de_AT.</translation>
    </message>
    <message>
        <source>corvane-tool: the desktop tool needs a display (a desktop session, or ssh -X); for the command line see corvane --help</source>
        <translation>corvane-tool&#xa0;: l’outil de bureau a besoin d’un affichage (une session de bureau, ou ssh -X)&#xa0;; pour la ligne de commande, voir corvane --help</translation>
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
        <translation>N°</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>Adresse MAC</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>Sous-réseau</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
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
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Configuration(Web)</source>
        <translation>Configuration (Web)</translation>
    </message>
    <message>
        <source>BSS Info</source>
        <translation>Infos BSS</translation>
    </message>
    <message>
        <source>Certificate upload</source>
        <translation>Envoyer un certificat</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printer to restart its network…</source>
        <translation>Attente de %1&#xa0;s pendant le redémarrage du réseau de l&apos;imprimante…</translation>
    </message>
    <message>
        <source>The printer %1 did not answer this search.</source>
        <translation>L&apos;imprimante %1 n&apos;a pas répondu à cette recherche.</translation>
    </message>
    <message>
        <source>This printer does not support changing its settings from the list.</source>
        <translation>Cette imprimante ne permet pas de modifier ses paramètres depuis la liste.</translation>
    </message>
    <message>
        <source>This printer does not support a web page.</source>
        <translation>Cette imprimante ne dispose pas de page web.</translation>
    </message>
    <message>
        <source>This printer does not support the access point survey.</source>
        <translation>Cette imprimante ne prend pas en charge l&apos;analyse des points d&apos;accès.</translation>
    </message>
    <message>
        <source>Printers found</source>
        <translation>Imprimantes trouvées</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found.</source>
        <translation>
            <numerusform>%n imprimante trouvée.</numerusform>
            <numerusform>%n imprimantes trouvées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found on %1.</source>
        <translation>
            <numerusform>%n imprimante trouvée via %1.</numerusform>
            <numerusform>%n imprimantes trouvées via %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Test print</source>
        <translation>Impression de test</translation>
    </message>
    <message>
        <source>Prints a test page on the chosen printer over the network.</source>
        <translation>Imprime une page de test sur l&apos;imprimante choisie, par le réseau.</translation>
    </message>
    <message>
        <source>Test page sent to %1.</source>
        <translation>Page de test envoyée à %1.</translation>
    </message>
    <message>
        <source>The test page was not sent to %1: %2</source>
        <translation>La page de test n&apos;a pas été envoyée à %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DeviceListExport</name>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Export the list</source>
        <translation>Exporter la liste</translation>
    </message>
    <message>
        <source>CSV (*.csv);;JSON (*.json)</source>
        <translation>CSV (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2</source>
        <translation>Impossible d&apos;écrire la liste dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The printers in the list&apos;s order, or only the chosen ones when several are chosen.</source>
        <translation>Les imprimantes dans l’ordre de la liste, ou seulement celles choisies lorsque plusieurs le sont.</translation>
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
        <translation>Type d&apos;imprimante</translation>
    </message>
    <message>
        <source>POS</source>
        <translation>POS</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Série</translation>
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
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>This printer don&apos;t match our company name.</source>
        <translation>Le nom du fabricant de cette imprimante ne correspond pas à celui de notre société.</translation>
    </message>
    <message>
        <source>Include secrets</source>
        <translation>Inclure les données secrètes</translation>
    </message>
    <message>
        <source>Export profile…</source>
        <translation>Exporter le profil…</translation>
    </message>
    <message>
        <source>Import profile…</source>
        <translation>Importer un profil…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>Profils (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Importer un profil</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Exporter le profil</translation>
    </message>
    <message>
        <source>The profile could not be saved:
%1</source>
        <translation>Impossible d&apos;enregistrer le profil&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The profile has been saved to %1 with its keys and passwords.
Only you can read the file.</source>
        <translation>Le profil a été enregistré dans %1 avec ses clés et ses mots de passe.
Vous seul pouvez lire ce fichier.</translation>
    </message>
    <message>
        <source>The profile has been saved to %1.
Keys, passwords and the PIN were left out; importing the profile asks for them.</source>
        <translation>Le profil a été enregistré dans %1.
Les clés, les mots de passe et le code PIN n&apos;y figurent pas&#xa0;; ils seront demandés lors de l&apos;importation du profil.</translation>
    </message>
    <message>
        <source>The profile %1 cannot be imported:
%2</source>
        <translation>Impossible d&apos;importer le profil %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The profile was not imported; nothing has changed.
%1</source>
        <translation>Le profil n&apos;a pas été importé&#xa0;; rien n&apos;a été modifié.
%1</translation>
    </message>
    <message>
        <source>The profile has been imported. Check the pages, then press Save to write it to the printer.</source>
        <translation>Le profil a été importé. Vérifiez les pages, puis cliquez sur «&#xa0;Enregistrer&#xa0;» pour l&apos;écrire dans l&apos;imprimante.</translation>
    </message>
    <message>
        <source>This printer has no %1; those settings were left out.</source>
        <translation>Cette imprimante ne dispose pas de %1&#xa0;; ces paramètres ont été ignorés.</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Connected: %1 — firmware %2, %3</source>
        <translation>Connecté&#xa0;: %1 — firmware %2, %3</translation>
    </message>
    <message>
        <source>newer layout</source>
        <translation>nouvelle structure</translation>
    </message>
    <message>
        <source>older layout</source>
        <translation>ancienne structure</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>Ouverture de %1…</translation>
    </message>
    <message>
        <source>Checking the printer… attempt %1 of %2</source>
        <translation>Vérification de l&apos;imprimante… tentative %1 sur %2</translation>
    </message>
    <message>
        <source>Reading the printer&apos;s settings…</source>
        <translation>Lecture des paramètres de l&apos;imprimante…</translation>
    </message>
    <message>
        <source>Saving the settings…</source>
        <translation>Enregistrement des paramètres…</translation>
    </message>
    <message>
        <source>Surveying the access points…</source>
        <translation>Analyse des points d&apos;accès…</translation>
    </message>
    <message>
        <source>Uploading the certificate… part %1 of %2</source>
        <translation>Envoi du certificat… partie %1 sur %2</translation>
    </message>
    <message>
        <source>Include fixed address</source>
        <translation>Inclure l’adresse fixe</translation>
    </message>
    <message>
        <source>Put this printer&apos;s address assignment (DHCP or fixed), IP address, subnet mask and gateway in the exported profile, for a printer that replaces it.</source>
        <translation>Inclut dans le profil exporté l&apos;attribution d&apos;adresse de cette imprimante (DHCP ou fixe), son adresse IP, son masque de sous-réseau et sa passerelle, pour une imprimante qui la remplace.</translation>
    </message>
    <message>
        <source>Put keys, passwords, the PIN and the SNMP write community in the exported profile; the file is then readable by you alone.</source>
        <translation>Inclut les clés, les mots de passe, le code PIN et la communauté SNMP d&apos;écriture dans le profil exporté&#xa0;; le fichier n&apos;est alors lisible que par vous.</translation>
    </message>
    <message>
        <source>The printer confirmed the settings, but reading them back shows other values for: %1</source>
        <translation>L&apos;imprimante a confirmé les paramètres, mais leur relecture montre d&apos;autres valeurs pour&#xa0;: %1</translation>
    </message>
    <message>
        <source>The printer did not confirm the change, but it may have taken it. Connect again to see what it holds before trying again.</source>
        <translation>L&apos;imprimante n&apos;a pas confirmé la modification, mais elle l&apos;a peut-être prise en compte. Reconnectez-vous pour voir ce qu&apos;elle contient avant de réessayer.</translation>
    </message>
</context>
<context>
    <name>FindAtAddress</name>
    <message>
        <source>Find at address</source>
        <translation>Rechercher à une adresse</translation>
    </message>
    <message>
        <source>Addresses to ask, such as 10.0.5.20, 10.0.5.1-40 or 10.0.5.7,10.0.6.1-9:</source>
        <translation>Adresses à interroger, par exemple 10.0.5.20, 10.0.5.1-40 ou 10.0.5.7,10.0.6.1-9&#xa0;:</translation>
    </message>
    <message>
        <source>These addresses cannot be asked: %1</source>
        <translation>Ces adresses ne peuvent pas être interrogées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Find at address...</source>
        <translation>Rechercher à une adresse...</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The change was made, but it could not be added to the history: %1</source>
        <translation>La modification a été effectuée, mais elle n&apos;a pas pu être ajoutée à l&apos;historique&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>impossible de créer le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>ce n&apos;est pas un objet JSON</translation>
    </message>
    <message>
        <source>no valid time</source>
        <translation>aucune heure valide</translation>
    </message>
    <message>
        <source>no outcome or no list of changes</source>
        <translation>aucun résultat ou aucune liste de modifications</translation>
    </message>
    <message>
        <source>a change without a field name</source>
        <translation>une modification sans nom de champ</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 stayed locked by another program</source>
        <translation>%1 est resté verrouillé par un autre programme</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>line %1 of %2 skipped: %3</source>
        <translation>ligne %1 de %2 ignorée&#xa0;: %3</translation>
    </message>
    <message>
        <source>The change may have reached the printer, but it could not be added to the history: %1</source>
        <translation>La modification a peut-être atteint l&apos;imprimante, mais elle n&apos;a pas pu être ajoutée à l&apos;historique&#xa0;: %1</translation>
    </message>
    <message>
        <source>The failed attempt could not be added to the history: %1</source>
        <translation>La tentative échouée n&apos;a pas pu être ajoutée à l&apos;historique&#xa0;: %1</translation>
    </message>
    <message>
        <source>The change could not be added to the history: %1</source>
        <translation>La modification n&apos;a pas pu être ajoutée à l&apos;historique&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the history is not written through links</source>
        <translation>%1 est un lien symbolique&#xa0;; l&apos;historique n&apos;est pas écrit à travers des liens</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot read %1: %2 is not a folder</source>
        <translation>impossible de lire %1&#xa0;: %2 n&apos;est pas un dossier</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv);;All files (*)</source>
        <translation>Valeurs séparées par des virgules (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>History of changes</source>
        <translation>Historique des modifications</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>All printers</source>
        <translation>Toutes les imprimantes</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Heure (UTC)</translation>
    </message>
    <message>
        <source>Front end</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Way in</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The history could not be exported:
%1</source>
        <translation>Impossible d&apos;exporter l&apos;historique&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>Ipv4AddressEdit</name>
    <message>
        <source>This mask is not a run of ones followed by zeros (such as 255.255.255.0).</source>
        <translation>Ce masque n’est pas une suite de uns suivie de zéros (comme 255.255.255.0).</translation>
    </message>
    <message>
        <source>This is the network address of the subnet its mask spans; no device can use it.</source>
        <translation>C’est l’adresse réseau du sous-réseau couvert par son masque&#xa0;; aucun appareil ne peut l’utiliser.</translation>
    </message>
    <message>
        <source>This is the broadcast address of the subnet its mask spans; no device can use it.</source>
        <translation>C’est l’adresse de diffusion (broadcast) du sous-réseau couvert par son masque&#xa0;; aucun appareil ne peut l’utiliser.</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>%1, part %2 of 4</source>
        <translation>%1, partie %2 sur 4</translation>
    </message>
    <message>
        <source>0 to 255</source>
        <translation>de 0 à 255</translation>
    </message>
</context>
<context>
    <name>LanEndpoints</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address or a range A.B.C.D-E</source>
        <translation>« %1 » n’est ni une adresse IPv4 ni une plage A.B.C.D-E</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; ends before it starts</source>
        <translation>la plage « %1 » se termine avant de commencer</translation>
    </message>
    <message>
        <source>more than %1 addresses</source>
        <translation>plus de %1 adresses</translation>
    </message>
    <message>
        <source>the list has an empty entry (two commas in a row, or one at an end)</source>
        <translation>la liste contient une entrée vide (deux virgules de suite, ou une au début ou à la fin)</translation>
    </message>
</context>
<context>
    <name>LanSendChecks</name>
    <message>
        <source>The subnet mask %1 is not contiguous: its ones must all come before its zeros.</source>
        <translation>Le masque de sous-réseau %1 n&apos;est pas contigu&#xa0;: tous ses bits à 1 doivent précéder ses bits à 0.</translation>
    </message>
    <message>
        <source>The IP address %1 is the network address of its subnet; no device can use it.</source>
        <translation>L&apos;adresse IP %1 est l&apos;adresse réseau de son sous-réseau&#xa0;; aucun périphérique ne peut l&apos;utiliser.</translation>
    </message>
    <message>
        <source>The IP address %1 is the broadcast address of its subnet; no device can use it.</source>
        <translation>L&apos;adresse IP %1 est l&apos;adresse de diffusion (broadcast) de son sous-réseau&#xa0;; aucun périphérique ne peut l&apos;utiliser.</translation>
    </message>
    <message>
        <source>The IP address %1 is reserved (%2) and cannot be a printer&apos;s address.</source>
        <translation>L&apos;adresse IP %1 est réservée (%2) et ne peut pas être l&apos;adresse d&apos;une imprimante.</translation>
    </message>
    <message>
        <source>The gateway %1 is outside the subnet %2 of the IP address; the printer could not reach it.</source>
        <translation>La passerelle %1 est en dehors du sous-réseau %2 de l&apos;adresse IP&#xa0;; l&apos;imprimante ne pourrait pas la joindre.</translation>
    </message>
    <message>
        <source>The IP address %1 is already used by the printer %2 in the list.</source>
        <translation>L&apos;adresse IP %1 est déjà utilisée par l&apos;imprimante %2 de la liste.</translation>
    </message>
    <message>
        <source>The IP address %1 is outside the subnet %2 of this computer&apos;s address %3: this computer will no longer reach the printer without a route.</source>
        <translation>L&apos;adresse IP %1 est en dehors du sous-réseau %2 de l&apos;adresse %3 de cet ordinateur&#xa0;: sans route, cet ordinateur ne pourra plus joindre l&apos;imprimante.</translation>
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
        <translation>Paramètres réseau</translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation>Adresse IP&#xa0;:</translation>
    </message>
    <message>
        <source>Subnet Mask :</source>
        <translation>Masque de sous-réseau&#xa0;:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Passerelle&#xa0;:</translation>
    </message>
    <message>
        <source>Local Port :</source>
        <translation>Port local&#xa0;:</translation>
    </message>
    <message>
        <source> (0 ~ 32767)</source>
        <translation> (0 ~ 32767)</translation>
    </message>
    <message>
        <source>Inactivity time :
(0 ~ 3600)    </source>
        <translation>Délai d&apos;inactivité&#xa0;:
(0 ~ 3600)    </translation>
    </message>
    <message>
        <source>sec (Default: 0)</source>
        <translation>s (par défaut&#xa0;: 0)</translation>
    </message>
    <message>
        <source>DHCP Mode</source>
        <translation>Mode DHCP</translation>
    </message>
    <message>
        <source>Device Baudrate :</source>
        <translation>Débit du périphérique (bauds)&#xa0;:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>Configuration WLAN</translation>
    </message>
    <message>
        <source>Ethernet Configuration</source>
        <translation>Configuration Ethernet</translation>
    </message>
    <message>
        <source>TCP port, up to 32767</source>
        <translation>Port TCP, jusqu&apos;à 32767</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>Secondes, de 0 à 3600</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>Version du firmware&#xa0;:</translation>
    </message>
    <message>
        <source>The settings to be sent give these warnings:</source>
        <translation>Les paramètres à envoyer génèrent les avertissements suivants&#xa0;:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Enregistrer quand même</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>The settings to be sent conflict with the network or another printer:</source>
        <translation>Les paramètres à envoyer sont en conflit avec le réseau ou une autre imprimante&#xa0;:</translation>
    </message>
    <message>
        <source>Save despite the conflicts</source>
        <translation>Enregistrer malgré les conflits</translation>
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
        <translation>Configuration Ethernet
(Ethernet)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(WLAN)</source>
        <translation>Configuration WLAN
(WLAN)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(USB)</source>
        <translation>Configuration WLAN
(USB)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historique…</translation>
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
        <translation>Adresse IP - </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Addresses of this computer</source>
        <translation>Adresses de cet ordinateur</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>Toutes les adresses</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Network Mode</source>
        <translation>Mode réseau</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>Infrastructure</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>Ad hoc</translation>
    </message>
    <message>
        <source>Ad Hoc Channel</source>
        <translation>Canal ad hoc</translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <translation>Wi-Fi Direct</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Conn Mode</source>
        <translation>Mode de connexion</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>Code PIN</translation>
    </message>
    <message>
        <source>IP Assignment Method</source>
        <translation>Attribution de l&apos;adresse IP</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>Attribution automatique (DHCP)</translation>
    </message>
    <message>
        <source>Manual Allocation</source>
        <translation>Attribution manuelle</translation>
    </message>
    <message>
        <source>Network Setting</source>
        <translation>Paramètres réseau</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Inactivity Time (0~3600)</source>
        <translation>Délai d&apos;inactivité (0~3600)</translation>
    </message>
    <message>
        <source>Sec (Default: 0)</source>
        <translation>s (par défaut&#xa0;: 0)</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>Channel, 1 to 14</source>
        <translation>Canal, de 1 à 14</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>Secondes, de 0 à 3600</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>Permission denied: add your user to the &apos;dialout&apos; group (serial) or &apos;lp&apos; group (USB printer), then log in again</source>
        <translation>Autorisation refusée&#xa0;: ajoutez votre utilisateur au groupe &apos;dialout&apos; (série) ou au groupe &apos;lp&apos; (imprimante USB), puis reconnectez-vous</translation>
    </message>
    <message>
        <source>Your user needs to be in the group &apos;%1&apos; that owns %2: run &quot;sudo usermod -aG %1 $USER&quot;, then log in again.</source>
        <translation>Votre utilisateur doit faire partie du groupe &apos;%1&apos;, propriétaire de %2&#xa0;: exécutez &quot;sudo usermod -aG %1 $USER&quot;, puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>No printer is ready on this line: its DSR or CTS signal is off.</source>
        <translation>Aucune imprimante n&apos;est prête sur cette ligne&#xa0;: son signal DSR ou CTS est inactif.</translation>
    </message>
    <message>
        <source>The port does not take the printer&apos;s line settings (115200 baud, 8 data bits, no parity, 1 stop bit, RTS/CTS).</source>
        <translation>Le port n&apos;accepte pas les paramètres de ligne de l&apos;imprimante (115200&#xa0;bauds, 8&#xa0;bits de données, sans parité, 1&#xa0;bit d&apos;arrêt, RTS/CTS).</translation>
    </message>
    <message>
        <source>The device is in use by another program.</source>
        <translation>Le périphérique est utilisé par un autre programme.</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>«&#xa0;%1&#xa0;» doit être un texte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number</source>
        <translation>«&#xa0;%1&#xa0;» doit être un nombre entier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a dotted IPv4 address such as &quot;192.168.0.10&quot;</source>
        <translation>«&#xa0;%1&#xa0;» doit être une adresse IPv4 en notation décimale pointée, par exemple «&#xa0;192.168.0.10&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a value of the wrong kind</source>
        <translation>«&#xa0;%1&#xa0;» a une valeur du mauvais type</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than its %2 bytes</source>
        <translation>«&#xa0;%1&#xa0;» dépasse sa longueur de %2&#xa0;octets</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not contain a zero character</source>
        <translation>«&#xa0;%1&#xa0;» ne doit pas contenir de caractère nul</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from 0 to %2</source>
        <translation>«&#xa0;%1&#xa0;» doit être un nombre entier compris entre 0 et %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to one printer and is never part of a profile</source>
        <translation>«&#xa0;%1&#xa0;» est propre à chaque imprimante et ne fait jamais partie d&apos;un profil</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a profile</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un paramètre de profil</translation>
    </message>
    <message>
        <source>not valid JSON (%1 at offset %2)</source>
        <translation>JSON non valide (%1 à la position %2)</translation>
    </message>
    <message>
        <source>the file must hold one JSON object</source>
        <translation>le fichier doit contenir un seul objet JSON</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot; (a profile holds &quot;format&quot; and &quot;config&quot;)</source>
        <translation>clé inconnue «&#xa0;%1&#xa0;» (un profil contient «&#xa0;format&#xa0;» et «&#xa0;config&#xa0;»)</translation>
    </message>
    <message>
        <source>&quot;format&quot; must be &quot;%1&quot;</source>
        <translation>«&#xa0;format&#xa0;» doit valoir «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the file has no &quot;config&quot; object</source>
        <translation>le fichier ne contient pas d&apos;objet «&#xa0;config&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: Wi-Fi Direct needs a printer with the newer record layout</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: Wi-Fi Direct nécessite une imprimante dotée de la nouvelle structure d&apos;enregistrement</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears more than once</source>
        <translation>la clé «&#xa0;%1&#xa0;» apparaît plus d&apos;une fois</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a secret; a secrets file holds only %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une donnée secrète&#xa0;; un fichier de données secrètes ne contient que %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the profile would fix this DHCP printer at the address it holds now; a profile that changes the address assignment needs the address too (export with the address)</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: le profil fixerait cette imprimante DHCP à l&apos;adresse qu&apos;elle a actuellement&#xa0;; un profil qui modifie l&apos;attribution d&apos;adresse doit aussi contenir l&apos;adresse (exportez avec l&apos;adresse)</translation>
    </message>
</context>
<context>
    <name>ProtocolPage</name>
    <message>
        <source>Task State</source>
        <translation>État des services</translation>
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
        <translation>Nom de communauté (lecture)&#xa0;:</translation>
    </message>
    <message>
        <source>Community Name (Write):</source>
        <translation>Nom de communauté (écriture)&#xa0;:</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>Adresse IP des traps</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>Communauté des traps</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Search...</source>
        <translation>Recherche...</translation>
    </message>
    <message>
        <source>Searching.</source>
        <translation>Recherche en cours.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SecretToggle</name>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Show or hide what is typed</source>
        <translation>Afficher ou masquer la saisie</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Afficher %1</translation>
    </message>
</context>
<context>
    <name>SecretsDialog</name>
    <message>
        <source>WEP Key</source>
        <translation>Clé WEP</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>Clé PSK</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>Code PIN</translation>
    </message>
    <message>
        <source>The profile leaves out these secrets. Enter them for this printer:</source>
        <translation>Le profil ne contient pas ces données secrètes. Saisissez-les pour cette imprimante&#xa0;:</translation>
    </message>
</context>
<context>
    <name>SecurityPage</name>
    <message>
        <source>Authentication</source>
        <translation>Authentification</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>Système ouvert</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>Clé partagée</translation>
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
        <translation>Chiffrement</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>Aucun</translation>
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
        <translation>Clé WEP</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>Clé PSK</translation>
    </message>
    <message>
        <source>Authentication ID</source>
        <translation>Identifiant d&apos;authentification</translation>
    </message>
    <message>
        <source>Authentication Password</source>
        <translation>Mot de passe d&apos;authentification</translation>
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
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>Nom de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Printer Port Num</source>
        <translation>N° de port de l&apos;imprimante</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Identifiant utilisateur</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>Mot de passe utilisateur</translation>
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
        <translation>Communauté d&apos;écriture</translation>
    </message>
    <message>
        <source>Get Community</source>
        <translation>Communauté de lecture</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>Adresse IP des traps</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>Communauté des traps</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Mode réseau</translation>
    </message>
    <message>
        <source>Adhoc Channel</source>
        <translation>Canal ad hoc</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>Délai d&apos;inactivité</translation>
    </message>
    <message>
        <source>IP Assignment method</source>
        <translation>Attribution de l&apos;adresse IP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Authentification</translation>
    </message>
    <message>
        <source>Cryptograph</source>
        <translation>Chiffrement</translation>
    </message>
    <message>
        <source>WEP Key</source>
        <translation>Clé WEP</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>Clé PSK</translation>
    </message>
    <message>
        <source>EAP Mode</source>
        <translation>Mode EAP</translation>
    </message>
    <message>
        <source>Auth ID</source>
        <translation>Identifiant d&apos;authentification</translation>
    </message>
    <message>
        <source>Auth Password/Certification Key(EAP-TLS)</source>
        <translation>Mot de passe d&apos;authentification/clé du certificat (EAP-TLS)</translation>
    </message>
    <message>
        <source>P2P Conn Mode</source>
        <translation>Mode de connexion P2P</translation>
    </message>
    <message>
        <source>P2P Channel</source>
        <translation>Canal P2P</translation>
    </message>
    <message>
        <source>P2P Pin Code</source>
        <translation>Code PIN P2P</translation>
    </message>
    <message>
        <source>Settings written to the printer</source>
        <translation>Paramètres écrits dans l&apos;imprimante</translation>
    </message>
    <message>
        <source>&amp;Show secrets</source>
        <translation>&amp;Afficher les données secrètes</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copies every row, tab-separated, as shown</source>
        <translation>Copie toutes les lignes, séparées par des tabulations, telles qu&apos;elles sont affichées</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The BSS information has been imported successfully.</source>
        <translation>Les informations BSS ont bien été importées.</translation>
    </message>
    <message>
        <source>Failed to import the BSS information.
Please check the IP address or port number to connect to.</source>
        <translation>Impossible d&apos;importer les informations BSS.
Vérifiez l&apos;adresse IP ou le numéro de port de la connexion.</translation>
    </message>
    <message>
        <source>Failed to connect to the printer.</source>
        <translation>Impossible de se connecter à l&apos;imprimante.</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Reset the printer.</source>
        <translation>La configuration est terminée.
Redémarrez l&apos;imprimante.</translation>
    </message>
    <message>
        <source>The configuration has failed.</source>
        <translation>La configuration a échoué.</translation>
    </message>
    <message>
        <source>Unable to open the port.</source>
        <translation>Impossible d&apos;ouvrir le port.</translation>
    </message>
    <message>
        <source>The User ID is incorrect.
Please try again.</source>
        <translation>L&apos;identifiant utilisateur est incorrect.
Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The Password is incorrect.
Please try again.</source>
        <translation>Le mot de passe est incorrect.
Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The system name is incorrect.
Please try again.</source>
        <translation>Le nom du système est incorrect.
Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The port number is incorrect.
Please try again.</source>
        <translation>Le numéro de port est incorrect.
Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The community name is incorrect.
Please try again.</source>
        <translation>Le nom de communauté est incorrect.
Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The trap community is incorrect.
Please try again.</source>
        <translation>La communauté des traps est incorrecte.
Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The Adhoc channel is incorrect.
Please try again.</source>
        <translation>Le canal ad hoc est incorrect.
Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The SSID is incorrect.
Please try again.</source>
        <translation>Le SSID est incorrect.
Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
Please try again.</source>
        <translation>La clé PSK est incorrecte.
Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The certificate ID is incorrect.
Please try again.</source>
        <translation>L&apos;identifiant du certificat est incorrect.
Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The certificate password is incorrect.
Please try again.</source>
        <translation>Le mot de passe du certificat est incorrect.
Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The printer has been connected successfully.</source>
        <translation>La connexion à l&apos;imprimante a réussi.</translation>
    </message>
    <message>
        <source>The certificate document has been uploaded successfully.
Reset the printer.</source>
        <translation>Le certificat a bien été envoyé.
Redémarrez l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Failed to upload the certificate document.
Reset the printer.</source>
        <translation>Impossible d&apos;envoyer le certificat.
Redémarrez l&apos;imprimante.</translation>
    </message>
    <message>
        <source>The maximum size of a certificate file is 3KB.</source>
        <translation>La taille maximale d&apos;un fichier de certificat est de 3&#xa0;Ko.</translation>
    </message>
    <message>
        <source>The certificate file is selected.</source>
        <translation>Le fichier de certificat est sélectionné.</translation>
    </message>
    <message>
        <source>The certificate file is invalid.</source>
        <translation>Le fichier de certificat n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>No certificate file is selected or the selected file is invalid.</source>
        <translation>Aucun fichier de certificat n&apos;est sélectionné ou le fichier sélectionné n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The Adhoc mode is not available.
Authentication is allowed in either Open System or Shared Key.</source>
        <translation>Le mode ad hoc n&apos;est pas disponible.
Seules les authentifications Système ouvert et Clé partagée sont autorisées.</translation>
    </message>
    <message>
        <source>Failed to read the certificate file.</source>
        <translation>Impossible de lire le fichier de certificat.</translation>
    </message>
    <message>
        <source>Please select a device in the list.</source>
        <translation>Veuillez sélectionner un périphérique dans la liste.</translation>
    </message>
    <message>
        <source>Please search for a device again.</source>
        <translation>Veuillez relancer la recherche de périphériques.</translation>
    </message>
    <message>
        <source>Error: Failed to read the list of information.</source>
        <translation>Erreur&#xa0;: impossible de lire la liste des informations.</translation>
    </message>
    <message>
        <source>Please check the IP address or port number.</source>
        <translation>Vérifiez l&apos;adresse IP ou le numéro de port.</translation>
    </message>
    <message>
        <source>The specified port is not available.
Please enter a port number again.</source>
        <translation>Le port indiqué n&apos;est pas disponible.
Veuillez saisir un autre numéro de port.</translation>
    </message>
    <message>
        <source>The IP address cannot be used.
Please enter an IP address again.</source>
        <translation>Cette adresse IP ne peut pas être utilisée.
Veuillez saisir une autre adresse IP.</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>La configuration est terminée.
Si la liste ne s&apos;actualise pas, relancez la recherche de périphériques.</translation>
    </message>
    <message>
        <source>The WLAN configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>La configuration WLAN est terminée.
Si la liste ne s&apos;actualise pas, relancez la recherche de périphériques.</translation>
    </message>
    <message>
        <source>Unable to configure the port.
Please enter a port number again.(0~32767)</source>
        <translation>Impossible de configurer le port.
Veuillez saisir un autre numéro de port. (0~32767)</translation>
    </message>
    <message>
        <source>Unable to save the configuration.
Please configure again.</source>
        <translation>Impossible d&apos;enregistrer la configuration.
Veuillez recommencer la configuration.</translation>
    </message>
    <message>
        <source>The time has not been set.
Please enter time again.</source>
        <translation>Le délai n&apos;a pas été défini.
Veuillez saisir de nouveau le délai.</translation>
    </message>
    <message>
        <source>The channel number has not been set.
Please enter a channel number again.(0~14)</source>
        <translation>Le numéro de canal n&apos;a pas été défini.
Veuillez saisir de nouveau un numéro de canal. (0~14)</translation>
    </message>
    <message>
        <source>Network is in Adhoc mode.
You must assign IP address manually.</source>
        <translation>Le réseau est en mode ad hoc.
Vous devez attribuer l&apos;adresse IP manuellement.</translation>
    </message>
    <message>
        <source>Unable to connect to the USB device.</source>
        <translation>Impossible de se connecter au périphérique USB.</translation>
    </message>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Now Searching</source>
        <translation>Recherche en cours</translation>
    </message>
    <message>
        <source>System &amp; Information</source>
        <translation>Système et informations</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <translation>Informations BSS</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Authentification</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocole</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>Système ouvert</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>Clé partagée</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>Infrastructure</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>Ad hoc</translation>
    </message>
    <message>
        <source>Manual allocation</source>
        <translation>Attribution manuelle</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>Attribution automatique (DHCP)</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activé</translation>
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
        <translation>Mot de passe d&apos;authentification</translation>
    </message>
    <message>
        <source>Certification Password</source>
        <translation>Mot de passe du certificat</translation>
    </message>
    <message>
        <source>Incorrect PIN. Please re-enter your PIN Code.</source>
        <translation>Code PIN incorrect. Veuillez saisir de nouveau votre code PIN.</translation>
    </message>
    <message>
        <source>Currently no network connection is found. Check the network connection.</source>
        <translation>Aucune connexion réseau n&apos;a été trouvée. Vérifiez la connexion réseau.</translation>
    </message>
    <message>
        <source>The text is too long for the printer.
Please shorten it (some characters take more than one byte).</source>
        <translation>Le texte est trop long pour l&apos;imprimante.
Veuillez le raccourcir (certains caractères occupent plus d&apos;un octet).</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
It must be 8 to 63 printable ASCII characters or 64 hexadecimal digits.</source>
        <translation>La clé PSK est incorrecte.
Elle doit comporter de 8 à 63 caractères ASCII imprimables ou 64 chiffres hexadécimaux.</translation>
    </message>
    <message>
        <source>This setting cannot be chosen together with the other settings.
Please check the settings and try again.</source>
        <translation>Ce paramètre ne peut pas être choisi avec les autres paramètres.
Veuillez vérifier les paramètres et réessayer.</translation>
    </message>
    <message>
        <source>The search could not start.
%1</source>
        <translation>Impossible de lancer la recherche.
%1</translation>
    </message>
    <message>
        <source>The settings could not be sent.
%1</source>
        <translation>Impossible d&apos;envoyer les paramètres.
%1</translation>
    </message>
    <message>
        <source>The local address %1 cannot be used.</source>
        <translation>L&apos;adresse locale %1 ne peut pas être utilisée.</translation>
    </message>
    <message>
        <source>The local UDP port %1 cannot be used.</source>
        <translation>Le port UDP local %1 ne peut pas être utilisé.</translation>
    </message>
    <message>
        <source>The request could not leave this computer: %1</source>
        <translation>La requête n&apos;a pas pu quitter cet ordinateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>No web browser could be opened.
Please open this address in a web browser:
%1</source>
        <translation>Aucun navigateur web n&apos;a pu être ouvert.
Veuillez ouvrir cette adresse dans un navigateur web&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The printer has no IP address configured.
Its web page cannot be opened.</source>
        <translation>Aucune adresse IP n&apos;est configurée sur l&apos;imprimante.
Sa page web ne peut pas être ouverte.</translation>
    </message>
    <message>
        <source>This printer does not offer Setting (feature code %1).</source>
        <translation>Cette imprimante ne propose pas la fonction «&#xa0;Paramètres&#xa0;» (code de fonction %1).</translation>
    </message>
    <message>
        <source>Discard the changes made since Connect?</source>
        <translation>Abandonner les modifications effectuées depuis la connexion&#xa0;?</translation>
    </message>
    <message>
        <source>WEP Key is invalid.
WEP Key must be 5 or 13 characters, or 10 or 26 hexadecimal digits.</source>
        <translation>La clé WEP n&apos;est pas valide.
La clé WEP doit comporter 5 ou 13 caractères, ou 10 ou 26 chiffres hexadécimaux.</translation>
    </message>
    <message>
        <source>Certification</source>
        <translation>Certificats</translation>
    </message>
    <message>
        <source>The subnet mask is not valid: its ones must all come before its zeros.
Please enter the subnet mask again.</source>
        <translation>Le masque de sous-réseau n&apos;est pas valide&#xa0;: tous ses bits à 1 doivent précéder ses bits à 0.
Veuillez saisir à nouveau le masque de sous-réseau.</translation>
    </message>
    <message>
        <source>UDP port %1 is in use by another program.</source>
        <translation>Le port UDP %1 est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>The requests cannot be kept to interface %1: %2</source>
        <translation>Les requêtes ne peuvent pas être limitées à l&apos;interface %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>Nom de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Printer Port Num (0 ~ 32767)</source>
        <translation>N° de port de l&apos;imprimante (0 ~ 32767)</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Identifiant utilisateur</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>Mot de passe utilisateur</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message>
        <source>Firmware Information</source>
        <translation>Informations sur le firmware</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>Version du firmware&#xa0;:</translation>
    </message>
    <message>
        <source>Update Date :</source>
        <translation>Date de mise à jour&#xa0;:</translation>
    </message>
    <message>
        <source>Mac Address :</source>
        <translation>Adresse MAC&#xa0;:</translation>
    </message>
    <message>
        <source>TCP port, 0 to 32767</source>
        <translation>Port TCP, de 0 à 32767</translation>
    </message>
</context>
<context>
    <name>VerificationNote</name>
    <message>
        <source>IP address</source>
        <translation>adresse IP</translation>
    </message>
    <message>
        <source>subnet mask</source>
        <translation>masque de sous-réseau</translation>
    </message>
    <message>
        <source>gateway</source>
        <translation>passerelle</translation>
    </message>
    <message>
        <source>port</source>
        <translation>port</translation>
    </message>
    <message>
        <source>inactivity time</source>
        <translation>délai d&apos;inactivité</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>baud rate code</source>
        <translation>code de débit en bauds</translation>
    </message>
    <message>
        <source>Not verified: the printer did not answer the search after the change.</source>
        <translation>Non vérifié&#xa0;: l&apos;imprimante n&apos;a pas répondu à la recherche après la modification.</translation>
    </message>
    <message>
        <source>Verified: now at %1, port %2</source>
        <translation>Vérifié&#xa0;: désormais à l&apos;adresse %1, port %2</translation>
    </message>
    <message>
        <source>%1 %2 instead of %3</source>
        <translation>%1 %2 au lieu de %3</translation>
    </message>
    <message>
        <source>Not verified: the printer reports %1.</source>
        <translation>Non vérifié&#xa0;: l&apos;imprimante indique %1.</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>Non vérifié&#xa0;: la vérification a été annulée.</translation>
    </message>
    <message>
        <source>Not verified: DHCP is on and the printer has no address yet.</source>
        <translation>Non vérifié&#xa0;: le DHCP est activé et l&apos;imprimante n&apos;a pas encore d&apos;adresse.</translation>
    </message>
</context>
<context>
    <name>corvane::app::LauncherDialog</name>
    <message>
        <source>Provision printers...</source>
        <translation>Configurer plusieurs imprimantes...</translation>
    </message>
</context>
<context>
    <name>corvane::lan::AssignAddressesDialog</name>
    <message>
        <source>Assign addresses</source>
        <translation>Attribuer des adresses</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>Première adresse</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <source>Gateway (optional)</source>
        <translation>Passerelle (facultative)</translation>
    </message>
    <message>
        <source>Port (optional)</source>
        <translation>Port (facultatif)</translation>
    </message>
    <message>
        <source>Send rows with warnings too</source>
        <translation>Envoyer aussi les lignes avec avertissements</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>Adresse MAC</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Actuelle</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Enter the first address as four numbers 0-255 with dots between them.</source>
        <translation>Saisissez la première adresse sous forme de quatre nombres de 0 à 255 séparés par des points.</translation>
    </message>
    <message>
        <source>Enter the subnet mask as four numbers 0-255 with dots between them.</source>
        <translation>Saisissez le masque de sous-réseau sous forme de quatre nombres de 0 à 255 séparés par des points.</translation>
    </message>
    <message>
        <source>Enter the port as a number, or leave it empty to keep each printer&apos;s port.</source>
        <translation>Saisissez le port sous forme de nombre, ou laissez le champ vide pour garder le port de chaque imprimante.</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non envoyé</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inchangé</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>confirmé</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>non confirmé</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>vérifié</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>non vérifié</translation>
    </message>
    <message>
        <source>Sending to %1 (%2 of %3)…</source>
        <translation>Envoi à %1 (%2 sur %3)…</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printers to restart, then searching for them again…</source>
        <translation>Attente de %1 s pendant le redémarrage des imprimantes, puis nouvelle recherche…</translation>
    </message>
    <message>
        <source>Cancelled before anything was sent.</source>
        <translation>Annulé avant tout envoi.</translation>
    </message>
    <message>
        <source>Cancelled: sent to %1; the other rows were not sent.</source>
        <translation>Annulé&#xa0;: envoyé à %1&#xa0;; les autres lignes n&apos;ont pas été envoyées.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 take each other&apos;s addresses in a circle, which would need a temporary address: nothing is sent to them. Give one of them an unused address first.</source>
        <translation>%1 prennent les adresses les unes des autres en boucle, ce qui demanderait une adresse provisoire&#xa0;: rien ne leur est envoyé. Donnez d&apos;abord une adresse libre à l&apos;une d&apos;elles.</translation>
    </message>
    <message>
        <source>%1 still holds %2: its own row did not move it away, so this row was not sent.</source>
        <translation>%1 occupe toujours %2&#xa0;: sa propre ligne ne l&apos;a pas déplacée, cette ligne n&apos;a donc pas été envoyée.</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>Non vérifié&#xa0;: la vérification a été annulée.</translation>
    </message>
    <message>
        <source>The check after the change was cancelled: the confirmed printers are not verified.</source>
        <translation>La vérification après la modification a été annulée&#xa0;: les imprimantes confirmées ne sont pas vérifiées.</translation>
    </message>
    <message>
        <source>will not be sent</source>
        <translation>ne sera pas envoyé</translation>
    </message>
    <message>
        <source>will be sent</source>
        <translation>sera envoyé</translation>
    </message>
    <message numerus="yes">
        <source>Done: the new address shows on %1 of %n printer(s).</source>
        <translation>
            <numerusform>Terminé&#xa0;: la nouvelle adresse apparaît sur %1 imprimante sur %n.</numerusform>
            <numerusform>Terminé&#xa0;: la nouvelle adresse apparaît sur %1 imprimantes sur %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Send rows with conflicts too</source>
        <translation>Envoyer aussi les lignes avec conflits</translation>
    </message>
    <message>
        <source>Enter the gateway as four numbers 0-255, or leave it empty to keep each printer&apos;s gateway.</source>
        <translation>Saisissez la passerelle sous forme de quatre nombres de 0 à 255, ou laissez-la vide pour conserver la passerelle de chaque imprimante.</translation>
    </message>
    <message>
        <source>mask %1</source>
        <translation>masque %1</translation>
    </message>
    <message>
        <source>gateway %1</source>
        <translation>passerelle %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>port %1</translation>
    </message>
    <message>
        <source>DHCP on</source>
        <translation>DHCP activé</translation>
    </message>
    <message>
        <source>DHCP off</source>
        <translation>DHCP désactivé</translation>
    </message>
    <message>
        <source>Searching for the printers again: %1 of at most %2 s…</source>
        <translation>Nouvelle recherche des imprimantes&#xa0;: %1 sur %2&#xa0;s au maximum…</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Imprimantes</translation>
    </message>
</context>
<context>
    <name>corvane::lan::DeviceListDialog</name>
    <message>
        <source>Assign addresses...</source>
        <translation>Attribuer des adresses...</translation>
    </message>
    <message>
        <source>Gives the chosen printers consecutive addresses.</source>
        <translation>Donne aux imprimantes choisies des adresses consécutives.</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Atteinte</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>Adaptateur</translation>
    </message>
    <message>
        <source>unicast</source>
        <translation>unicast</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>diffusion</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Searching for the printer again: %1 of at most %2 s…</source>
        <translation>Nouvelle recherche de l&apos;imprimante&#xa0;: %1 sur %2&#xa0;s au maximum…</translation>
    </message>
    <message>
        <source>Print a test page</source>
        <translation>Imprimer une page de test</translation>
    </message>
    <message>
        <source>Prints a test page on the printer at its new address %1, port %2.</source>
        <translation>Imprime une page de test sur l&apos;imprimante à sa nouvelle adresse %1, port %2.</translation>
    </message>
</context>
<context>
    <name>corvane::provision::ProvisionDialog</name>
    <message>
        <source>Provision printers</source>
        <translation>Configurer plusieurs imprimantes</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil&#xa0;:</translation>
    </message>
    <message>
        <source>Profiles (*.json)</source>
        <translation>Profils (*.json)</translation>
    </message>
    <message>
        <source>Printers &amp;sheet (optional):</source>
        <translation>&amp;Liste des imprimantes (facultatif)&#xa0;:</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>ttyUSB0, ttyS0</source>
        <translation>ttyUSB0, ttyS0</translation>
    </message>
    <message>
        <source>Se&amp;rial ports (optional):</source>
        <translation>Ports sé&amp;rie (facultatif)&#xa0;:</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>Adresse MAC</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Fields changed</source>
        <translation>Champs modifiés</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Imprimantes</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The profile cannot be read: %1</source>
        <translation>Impossible de lire le profil&#xa0;: %1</translation>
    </message>
    <message>
        <source>The profile cannot be used: %1</source>
        <translation>Impossible d&apos;utiliser le profil&#xa0;: %1</translation>
    </message>
    <message>
        <source>The printers sheet cannot be used: %1</source>
        <translation>Impossible d&apos;utiliser la liste des imprimantes&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>Débranchée</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Configuring</source>
        <translation>Configuration en cours</translation>
    </message>
    <message>
        <source>Done; unplug it</source>
        <translation>Terminé&#xa0;; débranchez-la</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>Configured (profile only)</source>
        <translation>Configurée (profil seul)</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>Configurée</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Inchangée</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échec&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) in progress.</source>
        <translation>
            <numerusform>%n imprimante en cours de configuration.</numerusform>
            <numerusform>%n imprimantes en cours de configuration.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrêté.</translation>
    </message>
    <message numerus="yes">
        <source>Stopping: %n printer(s) still in progress.</source>
        <translation>
            <numerusform>Arrêt en cours&#xa0;: %n imprimante encore en cours de configuration.</numerusform>
            <numerusform>Arrêt en cours&#xa0;: %n imprimantes encore en cours de configuration.</numerusform>
        </translation>
    </message>
    <message>
        <source>Configured: %1, unchanged: %2, failed: %3. %4</source>
        <comment>the totals, then the state sentence</comment>
        <translation>Configurées&#xa0;: %1, inchangées&#xa0;: %2, en échec&#xa0;: %3. %4</translation>
    </message>
</context>
</TS>
