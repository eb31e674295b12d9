<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBox</name>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Sets up the network interface of Zephran POS receipt printers: Ethernet and wireless printers on the local network, and printers attached by a serial port or a USB cable.</source>
        <translation>Configura la interfaz de red de las impresoras de tickets POS Zephran: impresoras Ethernet e inalámbricas de la red local, e impresoras conectadas mediante un puerto serie o un cable USB.</translation>
    </message>
    <message>
        <source>Copyright © Corvane Tool developers. Free software under the MIT licence.</source>
        <translation>Copyright © Corvane Tool developers. Software libre bajo la licencia MIT.</translation>
    </message>
    <message>
        <source>About Corvane Tool</source>
        <translation>Acerca de Corvane Tool</translation>
    </message>
</context>
<context>
    <name>BssInfoDialog</name>
    <message>
        <source>BSS Information</source>
        <translation>Información BSS</translation>
    </message>
    <message>
        <source>No</source>
        <translation>N.º</translation>
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
        <translation>Modo</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>Obtener información BSS</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>Puntos de acceso detectados por la impresora</translation>
    </message>
</context>
<context>
    <name>BssPage</name>
    <message>
        <source>No</source>
        <translation>N.º</translation>
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
        <translation>MODO</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>Obtener información BSS</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>Puntos de acceso detectados por la impresora</translation>
    </message>
    <message>
        <source>Use this network</source>
        <translation>Usar esta red</translation>
    </message>
    <message>
        <source>Puts the chosen network&apos;s name on the Network page and, where the survey names one, its authentication on the Authentication page</source>
        <translation>Copia el nombre de la red elegida en la página Red y, si la exploración indica una, su autenticación en la página Autenticación</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation>Infraestructura</translation>
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
        <translation>Certificado</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <translation>Clave de cliente</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <translation>PEM de cliente</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>File Upload</source>
        <translation>Cargar archivo</translation>
    </message>
    <message>
        <source>Original Certificate Format (*)</source>
        <translation>Formato de certificado original (*)</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>Archivo de certificado</translation>
    </message>
</context>
<context>
    <name>ConfigApp</name>
    <message>
        <source>Sets up the network interface of Zephran receipt printers.</source>
        <translation>Configura la interfaz de red de las impresoras de tickets Zephran.</translation>
    </message>
    <message>
        <source>Show the windows in NAME instead of the system&apos;s language: en (the built-in English), a catalog name such as Japanese or German, or a locale name such as de_AT.</source>
        <translation>Muestra las ventanas en el idioma NAME en lugar del idioma del sistema: en (el inglés integrado), el nombre de un catálogo, como Japanese o German, o el nombre de una configuración regional, como de_AT.</translation>
    </message>
    <message>
        <source>corvane-tool: the desktop tool needs a display (a desktop session, or ssh -X); for the command line see corvane --help</source>
        <translation>corvane-tool: la herramienta de escritorio necesita una pantalla (una sesión de escritorio o ssh -X); para la línea de órdenes, vea corvane --help</translation>
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
        <translation>N.º</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>Dirección MAC</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>Subred</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Configuration(Web)</source>
        <translation>Configuración (Web)</translation>
    </message>
    <message>
        <source>BSS Info</source>
        <translation>Info BSS</translation>
    </message>
    <message>
        <source>Certificate upload</source>
        <translation>Cargar certificado</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printer to restart its network…</source>
        <translation>Esperando %1 s a que la impresora reinicie su red…</translation>
    </message>
    <message>
        <source>The printer %1 did not answer this search.</source>
        <translation>La impresora %1 no ha respondido a esta búsqueda.</translation>
    </message>
    <message>
        <source>This printer does not support changing its settings from the list.</source>
        <translation>Esta impresora no permite cambiar su configuración desde la lista.</translation>
    </message>
    <message>
        <source>This printer does not support a web page.</source>
        <translation>Esta impresora no dispone de página web.</translation>
    </message>
    <message>
        <source>This printer does not support the access point survey.</source>
        <translation>Esta impresora no admite la exploración de puntos de acceso.</translation>
    </message>
    <message>
        <source>Printers found</source>
        <translation>Impresoras encontradas</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found.</source>
        <translation>
            <numerusform>Se ha encontrado %n impresora.</numerusform>
            <numerusform>Se han encontrado %n impresoras.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found on %1.</source>
        <translation>
            <numerusform>Se ha encontrado %n impresora a través de %1.</numerusform>
            <numerusform>Se han encontrado %n impresoras a través de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Test print</source>
        <translation>Impresión de prueba</translation>
    </message>
    <message>
        <source>Prints a test page on the chosen printer over the network.</source>
        <translation>Imprime una página de prueba en la impresora elegida a través de la red.</translation>
    </message>
    <message>
        <source>Test page sent to %1.</source>
        <translation>Página de prueba enviada a %1.</translation>
    </message>
    <message>
        <source>The test page was not sent to %1: %2</source>
        <translation>La página de prueba no se ha enviado a %1: %2</translation>
    </message>
</context>
<context>
    <name>DeviceListExport</name>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Export the list</source>
        <translation>Exportar la lista</translation>
    </message>
    <message>
        <source>CSV (*.csv);;JSON (*.json)</source>
        <translation>CSV (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2</source>
        <translation>No se ha podido escribir la lista en %1: %2</translation>
    </message>
    <message>
        <source>The printers in the list&apos;s order, or only the chosen ones when several are chosen.</source>
        <translation>Las impresoras en el orden de la lista, o solo las elegidas cuando se eligen varias.</translation>
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
        <translation>Tipo de impresora</translation>
    </message>
    <message>
        <source>POS</source>
        <translation>POS</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Comunicación</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>This printer don&apos;t match our company name.</source>
        <translation>El nombre del fabricante de esta impresora no coincide con el de nuestra empresa.</translation>
    </message>
    <message>
        <source>Include secrets</source>
        <translation>Incluir datos confidenciales</translation>
    </message>
    <message>
        <source>Export profile…</source>
        <translation>Exportar perfil…</translation>
    </message>
    <message>
        <source>Import profile…</source>
        <translation>Importar perfil…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>Perfiles (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Importar perfil</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Exportar perfil</translation>
    </message>
    <message>
        <source>The profile could not be saved:
%1</source>
        <translation>No se ha podido guardar el perfil:
%1</translation>
    </message>
    <message>
        <source>The profile has been saved to %1 with its keys and passwords.
Only you can read the file.</source>
        <translation>El perfil se ha guardado en %1 con sus claves y contraseñas.
Solo usted puede leer el archivo.</translation>
    </message>
    <message>
        <source>The profile has been saved to %1.
Keys, passwords and the PIN were left out; importing the profile asks for them.</source>
        <translation>El perfil se ha guardado en %1.
Se han omitido las claves, las contraseñas y el PIN; se solicitarán al importar el perfil.</translation>
    </message>
    <message>
        <source>The profile %1 cannot be imported:
%2</source>
        <translation>No se puede importar el perfil %1:
%2</translation>
    </message>
    <message>
        <source>The profile was not imported; nothing has changed.
%1</source>
        <translation>El perfil no se ha importado; no se ha modificado nada.
%1</translation>
    </message>
    <message>
        <source>The profile has been imported. Check the pages, then press Save to write it to the printer.</source>
        <translation>El perfil se ha importado. Revise las páginas y, a continuación, pulse &quot;Guardar&quot; para escribirlo en la impresora.</translation>
    </message>
    <message>
        <source>This printer has no %1; those settings were left out.</source>
        <translation>Esta impresora no tiene %1; se han omitido esos ajustes.</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>No conectado</translation>
    </message>
    <message>
        <source>Connected: %1 — firmware %2, %3</source>
        <translation>Conectado: %1 — firmware %2, %3</translation>
    </message>
    <message>
        <source>newer layout</source>
        <translation>formato más reciente</translation>
    </message>
    <message>
        <source>older layout</source>
        <translation>formato anterior</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>Abriendo %1…</translation>
    </message>
    <message>
        <source>Checking the printer… attempt %1 of %2</source>
        <translation>Comprobando la impresora… intento %1 de %2</translation>
    </message>
    <message>
        <source>Reading the printer&apos;s settings…</source>
        <translation>Leyendo la configuración de la impresora…</translation>
    </message>
    <message>
        <source>Saving the settings…</source>
        <translation>Guardando la configuración…</translation>
    </message>
    <message>
        <source>Surveying the access points…</source>
        <translation>Explorando los puntos de acceso…</translation>
    </message>
    <message>
        <source>Uploading the certificate… part %1 of %2</source>
        <translation>Cargando el certificado… parte %1 de %2</translation>
    </message>
    <message>
        <source>Include fixed address</source>
        <translation>Incluir dirección fija</translation>
    </message>
    <message>
        <source>Put this printer&apos;s address assignment (DHCP or fixed), IP address, subnet mask and gateway in the exported profile, for a printer that replaces it.</source>
        <translation>Incluye en el perfil exportado la asignación de dirección de esta impresora (DHCP o fija), la dirección IP, la máscara de subred y la puerta de enlace, para una impresora que la sustituya.</translation>
    </message>
    <message>
        <source>Put keys, passwords, the PIN and the SNMP write community in the exported profile; the file is then readable by you alone.</source>
        <translation>Incluye en el perfil exportado las claves, las contraseñas, el PIN y la comunidad SNMP de escritura; el archivo solo podrá leerlo usted.</translation>
    </message>
    <message>
        <source>The printer confirmed the settings, but reading them back shows other values for: %1</source>
        <translation>La impresora ha confirmado la configuración, pero al volver a leerla muestra otros valores para: %1</translation>
    </message>
    <message>
        <source>The printer did not confirm the change, but it may have taken it. Connect again to see what it holds before trying again.</source>
        <translation>La impresora no ha confirmado el cambio, pero puede haberlo aplicado. Vuelva a conectarse para ver lo que contiene antes de intentarlo de nuevo.</translation>
    </message>
</context>
<context>
    <name>FindAtAddress</name>
    <message>
        <source>Find at address</source>
        <translation>Buscar por dirección</translation>
    </message>
    <message>
        <source>Addresses to ask, such as 10.0.5.20, 10.0.5.1-40 or 10.0.5.7,10.0.6.1-9:</source>
        <translation>Direcciones que consultar, por ejemplo 10.0.5.20, 10.0.5.1-40 o 10.0.5.7,10.0.6.1-9:</translation>
    </message>
    <message>
        <source>These addresses cannot be asked: %1</source>
        <translation>Estas direcciones no se pueden consultar: %1</translation>
    </message>
    <message>
        <source>Find at address...</source>
        <translation>Buscar por dirección...</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The change was made, but it could not be added to the history: %1</source>
        <translation>El cambio se ha realizado, pero no se ha podido añadir al historial: %1</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>no es un objeto JSON</translation>
    </message>
    <message>
        <source>no valid time</source>
        <translation>no tiene una hora válida</translation>
    </message>
    <message>
        <source>no outcome or no list of changes</source>
        <translation>no tiene resultado o no tiene lista de cambios</translation>
    </message>
    <message>
        <source>a change without a field name</source>
        <translation>un cambio sin nombre de campo</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 stayed locked by another program</source>
        <translation>%1 ha seguido bloqueado por otro programa</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>line %1 of %2 skipped: %3</source>
        <translation>se ha omitido la línea %1 de %2: %3</translation>
    </message>
    <message>
        <source>The change may have reached the printer, but it could not be added to the history: %1</source>
        <translation>Es posible que el cambio haya llegado a la impresora, pero no se ha podido añadir al historial: %1</translation>
    </message>
    <message>
        <source>The failed attempt could not be added to the history: %1</source>
        <translation>No se ha podido añadir el intento fallido al historial: %1</translation>
    </message>
    <message>
        <source>The change could not be added to the history: %1</source>
        <translation>No se ha podido añadir el cambio al historial: %1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the history is not written through links</source>
        <translation>%1 es un enlace simbólico; el historial no se escribe a través de enlaces</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>cannot read %1: %2 is not a folder</source>
        <translation>no se puede leer %1: %2 no es una carpeta</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv);;All files (*)</source>
        <translation>Valores separados por comas (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>History of changes</source>
        <translation>Historial de cambios</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>All printers</source>
        <translation>Todas las impresoras</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Hora (UTC)</translation>
    </message>
    <message>
        <source>Front end</source>
        <translation>Interfaz</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Way in</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The history could not be exported:
%1</source>
        <translation>No se ha podido exportar el historial:
%1</translation>
    </message>
</context>
<context>
    <name>Ipv4AddressEdit</name>
    <message>
        <source>This mask is not a run of ones followed by zeros (such as 255.255.255.0).</source>
        <translation>Esta máscara no es una serie de unos seguida de ceros (como 255.255.255.0).</translation>
    </message>
    <message>
        <source>This is the network address of the subnet its mask spans; no device can use it.</source>
        <translation>Esta es la dirección de red de la subred que abarca su máscara; ningún dispositivo puede usarla.</translation>
    </message>
    <message>
        <source>This is the broadcast address of the subnet its mask spans; no device can use it.</source>
        <translation>Esta es la dirección de difusión (broadcast) de la subred que abarca su máscara; ningún dispositivo puede usarla.</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>%1, part %2 of 4</source>
        <translation>%1, parte %2 de 4</translation>
    </message>
    <message>
        <source>0 to 255</source>
        <translation>de 0 a 255</translation>
    </message>
</context>
<context>
    <name>LanEndpoints</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address or a range A.B.C.D-E</source>
        <translation>«%1» no es una dirección IPv4 ni un intervalo A.B.C.D-E</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; ends before it starts</source>
        <translation>el intervalo «%1» termina antes de empezar</translation>
    </message>
    <message>
        <source>more than %1 addresses</source>
        <translation>más de %1 direcciones</translation>
    </message>
    <message>
        <source>the list has an empty entry (two commas in a row, or one at an end)</source>
        <translation>la lista tiene una entrada vacía (dos comas seguidas, o una al principio o al final)</translation>
    </message>
</context>
<context>
    <name>LanSendChecks</name>
    <message>
        <source>The subnet mask %1 is not contiguous: its ones must all come before its zeros.</source>
        <translation>La máscara de subred %1 no es contigua: todos sus unos deben ir antes que sus ceros.</translation>
    </message>
    <message>
        <source>The IP address %1 is the network address of its subnet; no device can use it.</source>
        <translation>La dirección IP %1 es la dirección de red de su subred; ningún dispositivo puede usarla.</translation>
    </message>
    <message>
        <source>The IP address %1 is the broadcast address of its subnet; no device can use it.</source>
        <translation>La dirección IP %1 es la dirección de difusión (broadcast) de su subred; ningún dispositivo puede usarla.</translation>
    </message>
    <message>
        <source>The IP address %1 is reserved (%2) and cannot be a printer&apos;s address.</source>
        <translation>La dirección IP %1 está reservada (%2) y no puede ser la dirección de una impresora.</translation>
    </message>
    <message>
        <source>The gateway %1 is outside the subnet %2 of the IP address; the printer could not reach it.</source>
        <translation>La puerta de enlace %1 está fuera de la subred %2 de la dirección IP; la impresora no podría alcanzarla.</translation>
    </message>
    <message>
        <source>The IP address %1 is already used by the printer %2 in the list.</source>
        <translation>La dirección IP %1 ya la está usando la impresora %2 de la lista.</translation>
    </message>
    <message>
        <source>The IP address %1 is outside the subnet %2 of this computer&apos;s address %3: this computer will no longer reach the printer without a route.</source>
        <translation>La dirección IP %1 está fuera de la subred %2 de la dirección %3 de este equipo: sin una ruta, este equipo ya no podrá acceder a la impresora.</translation>
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
        <translation>Configuración de red</translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation>Dirección IP:</translation>
    </message>
    <message>
        <source>Subnet Mask :</source>
        <translation>Máscara de subred:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Puerta de enlace:</translation>
    </message>
    <message>
        <source>Local Port :</source>
        <translation>Puerto local:</translation>
    </message>
    <message>
        <source> (0 ~ 32767)</source>
        <translation> (0 ~ 32767)</translation>
    </message>
    <message>
        <source>Inactivity time :
(0 ~ 3600)    </source>
        <translation>Tiempo de inactividad:
(0 ~ 3600)    </translation>
    </message>
    <message>
        <source>sec (Default: 0)</source>
        <translation>s (predeterminado: 0)</translation>
    </message>
    <message>
        <source>DHCP Mode</source>
        <translation>Modo DHCP</translation>
    </message>
    <message>
        <source>Device Baudrate :</source>
        <translation>Velocidad del dispositivo (baudios):</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>Configuración WLAN</translation>
    </message>
    <message>
        <source>Ethernet Configuration</source>
        <translation>Configuración Ethernet</translation>
    </message>
    <message>
        <source>TCP port, up to 32767</source>
        <translation>Puerto TCP, hasta 32767</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>Segundos, de 0 a 3600</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>Versión de firmware:</translation>
    </message>
    <message>
        <source>The settings to be sent give these warnings:</source>
        <translation>La configuración que se va a enviar genera estas advertencias:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Guardar de todos modos</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>The settings to be sent conflict with the network or another printer:</source>
        <translation>La configuración que se va a enviar entra en conflicto con la red o con otra impresora:</translation>
    </message>
    <message>
        <source>Save despite the conflicts</source>
        <translation>Guardar pese a los conflictos</translation>
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
        <translation>Configuración Ethernet
(Ethernet)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(WLAN)</source>
        <translation>Configuración WLAN
(WLAN)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(USB)</source>
        <translation>Configuración WLAN
(USB)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historial…</translation>
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
        <translation>Dirección IP - </translation>
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
        <source>Addresses of this computer</source>
        <translation>Direcciones de este equipo</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>Todas las direcciones</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Network Mode</source>
        <translation>Modo de red</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>Infraestructura</translation>
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
        <translation>Modo de conexión</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>Código PIN</translation>
    </message>
    <message>
        <source>IP Assignment Method</source>
        <translation>Método de asignación de IP</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>Asignación automática (DHCP)</translation>
    </message>
    <message>
        <source>Manual Allocation</source>
        <translation>Asignación manual</translation>
    </message>
    <message>
        <source>Network Setting</source>
        <translation>Configuración de red</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Inactivity Time (0~3600)</source>
        <translation>Tiempo de inactividad (0~3600)</translation>
    </message>
    <message>
        <source>Sec (Default: 0)</source>
        <translation>s (predeterminado: 0)</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Máscara de subred</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>Channel, 1 to 14</source>
        <translation>Canal, de 1 a 14</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>Segundos, de 0 a 3600</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>Permission denied: add your user to the &apos;dialout&apos; group (serial) or &apos;lp&apos; group (USB printer), then log in again</source>
        <translation>Permiso denegado: añada su usuario al grupo &apos;dialout&apos; (serie) o al grupo &apos;lp&apos; (impresora USB) y vuelva a iniciar sesión</translation>
    </message>
    <message>
        <source>Your user needs to be in the group &apos;%1&apos; that owns %2: run &quot;sudo usermod -aG %1 $USER&quot;, then log in again.</source>
        <translation>Su usuario debe pertenecer al grupo &apos;%1&apos;, propietario de %2: ejecute &quot;sudo usermod -aG %1 $USER&quot; y vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>No printer is ready on this line: its DSR or CTS signal is off.</source>
        <translation>No hay ninguna impresora lista en esta línea: su señal DSR o CTS está desactivada.</translation>
    </message>
    <message>
        <source>The port does not take the printer&apos;s line settings (115200 baud, 8 data bits, no parity, 1 stop bit, RTS/CTS).</source>
        <translation>El puerto no admite los parámetros de línea de la impresora (115200 baudios, 8 bits de datos, sin paridad, 1 bit de parada, RTS/CTS).</translation>
    </message>
    <message>
        <source>The device is in use by another program.</source>
        <translation>El dispositivo está siendo utilizado por otro programa.</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>&quot;%1&quot; debe ser un texto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number</source>
        <translation>&quot;%1&quot; debe ser un número entero</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a dotted IPv4 address such as &quot;192.168.0.10&quot;</source>
        <translation>&quot;%1&quot; debe ser una dirección IPv4 en notación decimal con puntos, como &quot;192.168.0.10&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a value of the wrong kind</source>
        <translation>&quot;%1&quot; tiene un valor de tipo incorrecto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than its %2 bytes</source>
        <translation>&quot;%1&quot; supera su longitud de %2 bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not contain a zero character</source>
        <translation>&quot;%1&quot; no debe contener ningún carácter nulo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from 0 to %2</source>
        <translation>&quot;%1&quot; debe ser un número entero entre 0 y %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to one printer and is never part of a profile</source>
        <translation>&quot;%1&quot; es propio de cada impresora y nunca forma parte de un perfil</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a profile</source>
        <translation>&quot;%1&quot; no es un ajuste de perfil</translation>
    </message>
    <message>
        <source>not valid JSON (%1 at offset %2)</source>
        <translation>no es un JSON válido (%1 en la posición %2)</translation>
    </message>
    <message>
        <source>the file must hold one JSON object</source>
        <translation>el archivo debe contener un único objeto JSON</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot; (a profile holds &quot;format&quot; and &quot;config&quot;)</source>
        <translation>clave desconocida &quot;%1&quot; (un perfil contiene &quot;format&quot; y &quot;config&quot;)</translation>
    </message>
    <message>
        <source>&quot;format&quot; must be &quot;%1&quot;</source>
        <translation>&quot;format&quot; debe ser &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file has no &quot;config&quot; object</source>
        <translation>el archivo no tiene ningún objeto &quot;config&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: Wi-Fi Direct needs a printer with the newer record layout</source>
        <translation>&quot;%1&quot;: Wi-Fi Direct requiere una impresora con el formato de registro más reciente</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears more than once</source>
        <translation>la clave &quot;%1&quot; aparece más de una vez</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a secret; a secrets file holds only %2</source>
        <translation>&quot;%1&quot; no es un dato confidencial; un archivo de datos confidenciales solo contiene %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the profile would fix this DHCP printer at the address it holds now; a profile that changes the address assignment needs the address too (export with the address)</source>
        <translation>&quot;%1&quot;: el perfil fijaría esta impresora DHCP en la dirección que tiene ahora; un perfil que cambia la asignación de dirección también necesita la dirección (exporte con la dirección)</translation>
    </message>
</context>
<context>
    <name>ProtocolPage</name>
    <message>
        <source>Task State</source>
        <translation>Estado de los servicios</translation>
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
        <translation>Nombre de comunidad (lectura):</translation>
    </message>
    <message>
        <source>Community Name (Write):</source>
        <translation>Nombre de comunidad (escritura):</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>Dirección IP de traps</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>Comunidad de traps</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Search...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Searching.</source>
        <translation>Buscando.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SecretToggle</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Show or hide what is typed</source>
        <translation>Mostrar u ocultar lo escrito</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Mostrar %1</translation>
    </message>
</context>
<context>
    <name>SecretsDialog</name>
    <message>
        <source>WEP Key</source>
        <translation>Clave WEP</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>Clave PSK</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>Código PIN</translation>
    </message>
    <message>
        <source>The profile leaves out these secrets. Enter them for this printer:</source>
        <translation>El perfil no incluye estos datos confidenciales. Introdúzcalos para esta impresora:</translation>
    </message>
</context>
<context>
    <name>SecurityPage</name>
    <message>
        <source>Authentication</source>
        <translation>Autenticación</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>Sistema abierto</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>Clave compartida</translation>
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
        <translation>Cifrado</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>Ninguno</translation>
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
        <translation>Clave WEP</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>Clave PSK</translation>
    </message>
    <message>
        <source>Authentication ID</source>
        <translation>ID de autenticación</translation>
    </message>
    <message>
        <source>Authentication Password</source>
        <translation>Contraseña de autenticación</translation>
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
        <translation>N.º</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>Nombre de la impresora</translation>
    </message>
    <message>
        <source>Printer Port Num</source>
        <translation>N.º de puerto de la impresora</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>ID de usuario</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>Contraseña de usuario</translation>
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
        <translation>Comunidad de escritura</translation>
    </message>
    <message>
        <source>Get Community</source>
        <translation>Comunidad de lectura</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>Dirección IP de traps</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>Comunidad de traps</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Modo de red</translation>
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
        <translation>Tiempo de inactividad</translation>
    </message>
    <message>
        <source>IP Assignment method</source>
        <translation>Método de asignación de IP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Máscara de subred</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Autenticación</translation>
    </message>
    <message>
        <source>Cryptograph</source>
        <translation>Cifrado</translation>
    </message>
    <message>
        <source>WEP Key</source>
        <translation>Clave WEP</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>Clave PSK</translation>
    </message>
    <message>
        <source>EAP Mode</source>
        <translation>Modo EAP</translation>
    </message>
    <message>
        <source>Auth ID</source>
        <translation>ID de autenticación</translation>
    </message>
    <message>
        <source>Auth Password/Certification Key(EAP-TLS)</source>
        <translation>Contraseña de autenticación/clave del certificado (EAP-TLS)</translation>
    </message>
    <message>
        <source>P2P Conn Mode</source>
        <translation>Modo de conexión P2P</translation>
    </message>
    <message>
        <source>P2P Channel</source>
        <translation>Canal P2P</translation>
    </message>
    <message>
        <source>P2P Pin Code</source>
        <translation>Código PIN P2P</translation>
    </message>
    <message>
        <source>Settings written to the printer</source>
        <translation>Configuración escrita en la impresora</translation>
    </message>
    <message>
        <source>&amp;Show secrets</source>
        <translation>&amp;Mostrar datos confidenciales</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copies every row, tab-separated, as shown</source>
        <translation>Copia todas las filas, separadas por tabuladores, tal como se muestran</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The BSS information has been imported successfully.</source>
        <translation>La información BSS se ha importado correctamente.</translation>
    </message>
    <message>
        <source>Failed to import the BSS information.
Please check the IP address or port number to connect to.</source>
        <translation>No se ha podido importar la información BSS.
Compruebe la dirección IP o el número de puerto de la conexión.</translation>
    </message>
    <message>
        <source>Failed to connect to the printer.</source>
        <translation>No se ha podido conectar con la impresora.</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Reset the printer.</source>
        <translation>La configuración se ha completado.
Reinicie la impresora.</translation>
    </message>
    <message>
        <source>The configuration has failed.</source>
        <translation>La configuración ha fallado.</translation>
    </message>
    <message>
        <source>Unable to open the port.</source>
        <translation>No se puede abrir el puerto.</translation>
    </message>
    <message>
        <source>The User ID is incorrect.
Please try again.</source>
        <translation>El ID de usuario no es correcto.
Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The Password is incorrect.
Please try again.</source>
        <translation>La contraseña no es correcta.
Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The system name is incorrect.
Please try again.</source>
        <translation>El nombre del sistema no es correcto.
Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The port number is incorrect.
Please try again.</source>
        <translation>El número de puerto no es correcto.
Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The community name is incorrect.
Please try again.</source>
        <translation>El nombre de comunidad no es correcto.
Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The trap community is incorrect.
Please try again.</source>
        <translation>La comunidad de traps no es correcta.
Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The Adhoc channel is incorrect.
Please try again.</source>
        <translation>El canal ad hoc no es correcto.
Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The SSID is incorrect.
Please try again.</source>
        <translation>El SSID no es correcto.
Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
Please try again.</source>
        <translation>La clave PSK no es correcta.
Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The certificate ID is incorrect.
Please try again.</source>
        <translation>El ID del certificado no es correcto.
Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The certificate password is incorrect.
Please try again.</source>
        <translation>La contraseña del certificado no es correcta.
Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The printer has been connected successfully.</source>
        <translation>La impresora se ha conectado correctamente.</translation>
    </message>
    <message>
        <source>The certificate document has been uploaded successfully.
Reset the printer.</source>
        <translation>El certificado se ha cargado correctamente.
Reinicie la impresora.</translation>
    </message>
    <message>
        <source>Failed to upload the certificate document.
Reset the printer.</source>
        <translation>No se ha podido cargar el certificado.
Reinicie la impresora.</translation>
    </message>
    <message>
        <source>The maximum size of a certificate file is 3KB.</source>
        <translation>El tamaño máximo de un archivo de certificado es de 3 KB.</translation>
    </message>
    <message>
        <source>The certificate file is selected.</source>
        <translation>Se ha seleccionado el archivo de certificado.</translation>
    </message>
    <message>
        <source>The certificate file is invalid.</source>
        <translation>El archivo de certificado no es válido.</translation>
    </message>
    <message>
        <source>No certificate file is selected or the selected file is invalid.</source>
        <translation>No se ha seleccionado ningún archivo de certificado o el archivo seleccionado no es válido.</translation>
    </message>
    <message>
        <source>The Adhoc mode is not available.
Authentication is allowed in either Open System or Shared Key.</source>
        <translation>El modo ad hoc no está disponible.
Solo se admite la autenticación Sistema abierto o Clave compartida.</translation>
    </message>
    <message>
        <source>Failed to read the certificate file.</source>
        <translation>No se ha podido leer el archivo de certificado.</translation>
    </message>
    <message>
        <source>Please select a device in the list.</source>
        <translation>Seleccione un dispositivo de la lista.</translation>
    </message>
    <message>
        <source>Please search for a device again.</source>
        <translation>Vuelva a buscar dispositivos.</translation>
    </message>
    <message>
        <source>Error: Failed to read the list of information.</source>
        <translation>Error: no se ha podido leer la lista de información.</translation>
    </message>
    <message>
        <source>Please check the IP address or port number.</source>
        <translation>Compruebe la dirección IP o el número de puerto.</translation>
    </message>
    <message>
        <source>The specified port is not available.
Please enter a port number again.</source>
        <translation>El puerto indicado no está disponible.
Introduzca de nuevo un número de puerto.</translation>
    </message>
    <message>
        <source>The IP address cannot be used.
Please enter an IP address again.</source>
        <translation>Esta dirección IP no se puede usar.
Introduzca de nuevo una dirección IP.</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>La configuración se ha completado.
Si la lista no se actualiza, vuelva a buscar dispositivos.</translation>
    </message>
    <message>
        <source>The WLAN configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>La configuración WLAN se ha completado.
Si la lista no se actualiza, vuelva a buscar dispositivos.</translation>
    </message>
    <message>
        <source>Unable to configure the port.
Please enter a port number again.(0~32767)</source>
        <translation>No se puede configurar el puerto.
Introduzca de nuevo un número de puerto. (0~32767)</translation>
    </message>
    <message>
        <source>Unable to save the configuration.
Please configure again.</source>
        <translation>No se ha podido guardar la configuración.
Vuelva a configurarla.</translation>
    </message>
    <message>
        <source>The time has not been set.
Please enter time again.</source>
        <translation>No se ha indicado el tiempo.
Introduzca de nuevo el tiempo.</translation>
    </message>
    <message>
        <source>The channel number has not been set.
Please enter a channel number again.(0~14)</source>
        <translation>No se ha indicado el número de canal.
Introduzca de nuevo un número de canal. (0~14)</translation>
    </message>
    <message>
        <source>Network is in Adhoc mode.
You must assign IP address manually.</source>
        <translation>La red está en modo ad hoc.
Debe asignar la dirección IP manualmente.</translation>
    </message>
    <message>
        <source>Unable to connect to the USB device.</source>
        <translation>No se puede conectar con el dispositivo USB.</translation>
    </message>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Now Searching</source>
        <translation>Buscando</translation>
    </message>
    <message>
        <source>System &amp; Information</source>
        <translation>Sistema e información</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <translation>Información BSS</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Autenticación</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocolo</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>Sistema abierto</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>Clave compartida</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>Infraestructura</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>Ad hoc</translation>
    </message>
    <message>
        <source>Manual allocation</source>
        <translation>Asignación manual</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>Asignación automática (DHCP)</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deshabilitado</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Habilitado</translation>
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
        <translation>Contraseña de autenticación</translation>
    </message>
    <message>
        <source>Certification Password</source>
        <translation>Contraseña del certificado</translation>
    </message>
    <message>
        <source>Incorrect PIN. Please re-enter your PIN Code.</source>
        <translation>PIN incorrecto. Vuelva a introducir el código PIN.</translation>
    </message>
    <message>
        <source>Currently no network connection is found. Check the network connection.</source>
        <translation>No se ha encontrado ninguna conexión de red. Compruebe la conexión de red.</translation>
    </message>
    <message>
        <source>The text is too long for the printer.
Please shorten it (some characters take more than one byte).</source>
        <translation>El texto es demasiado largo para la impresora.
Acórtelo (algunos caracteres ocupan más de un byte).</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
It must be 8 to 63 printable ASCII characters or 64 hexadecimal digits.</source>
        <translation>La clave PSK no es correcta.
Debe tener entre 8 y 63 caracteres ASCII imprimibles o 64 dígitos hexadecimales.</translation>
    </message>
    <message>
        <source>This setting cannot be chosen together with the other settings.
Please check the settings and try again.</source>
        <translation>Este ajuste no se puede elegir junto con los demás ajustes.
Compruebe la configuración e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The search could not start.
%1</source>
        <translation>No se ha podido iniciar la búsqueda.
%1</translation>
    </message>
    <message>
        <source>The settings could not be sent.
%1</source>
        <translation>No se ha podido enviar la configuración.
%1</translation>
    </message>
    <message>
        <source>The local address %1 cannot be used.</source>
        <translation>No se puede usar la dirección local %1.</translation>
    </message>
    <message>
        <source>The local UDP port %1 cannot be used.</source>
        <translation>No se puede usar el puerto UDP local %1.</translation>
    </message>
    <message>
        <source>The request could not leave this computer: %1</source>
        <translation>La solicitud no ha podido salir de este equipo: %1</translation>
    </message>
    <message>
        <source>No web browser could be opened.
Please open this address in a web browser:
%1</source>
        <translation>No se ha podido abrir ningún navegador web.
Abra esta dirección en un navegador web:
%1</translation>
    </message>
    <message>
        <source>The printer has no IP address configured.
Its web page cannot be opened.</source>
        <translation>La impresora no tiene ninguna dirección IP configurada.
No se puede abrir su página web.</translation>
    </message>
    <message>
        <source>This printer does not offer Setting (feature code %1).</source>
        <translation>Esta impresora no ofrece la función &quot;Configurar&quot; (código de función %1).</translation>
    </message>
    <message>
        <source>Discard the changes made since Connect?</source>
        <translation>¿Descartar los cambios realizados desde la conexión?</translation>
    </message>
    <message>
        <source>WEP Key is invalid.
WEP Key must be 5 or 13 characters, or 10 or 26 hexadecimal digits.</source>
        <translation>La clave WEP no es válida.
La clave WEP debe tener 5 o 13 caracteres, o bien 10 o 26 dígitos hexadecimales.</translation>
    </message>
    <message>
        <source>Certification</source>
        <translation>Certificados</translation>
    </message>
    <message>
        <source>The subnet mask is not valid: its ones must all come before its zeros.
Please enter the subnet mask again.</source>
        <translation>La máscara de subred no es válida: todos sus unos deben ir antes que sus ceros.
Introduzca de nuevo la máscara de subred.</translation>
    </message>
    <message>
        <source>UDP port %1 is in use by another program.</source>
        <translation>El puerto UDP %1 está siendo utilizado por otro programa.</translation>
    </message>
    <message>
        <source>The requests cannot be kept to interface %1: %2</source>
        <translation>Las solicitudes no se pueden limitar a la interfaz %1: %2</translation>
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
        <translation>Nombre de la impresora</translation>
    </message>
    <message>
        <source>Printer Port Num (0 ~ 32767)</source>
        <translation>N.º de puerto de la impresora (0 ~ 32767)</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>ID de usuario</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>Contraseña de usuario</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Confirmar contraseña</translation>
    </message>
    <message>
        <source>Firmware Information</source>
        <translation>Información del firmware</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>Versión de firmware:</translation>
    </message>
    <message>
        <source>Update Date :</source>
        <translation>Fecha de actualización:</translation>
    </message>
    <message>
        <source>Mac Address :</source>
        <translation>Dirección MAC:</translation>
    </message>
    <message>
        <source>TCP port, 0 to 32767</source>
        <translation>Puerto TCP, de 0 a 32767</translation>
    </message>
</context>
<context>
    <name>VerificationNote</name>
    <message>
        <source>IP address</source>
        <translation>dirección IP</translation>
    </message>
    <message>
        <source>subnet mask</source>
        <translation>máscara de subred</translation>
    </message>
    <message>
        <source>gateway</source>
        <translation>puerta de enlace</translation>
    </message>
    <message>
        <source>port</source>
        <translation>puerto</translation>
    </message>
    <message>
        <source>inactivity time</source>
        <translation>tiempo de inactividad</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>baud rate code</source>
        <translation>código de velocidad en baudios</translation>
    </message>
    <message>
        <source>Not verified: the printer did not answer the search after the change.</source>
        <translation>No verificado: la impresora no ha respondido a la búsqueda después del cambio.</translation>
    </message>
    <message>
        <source>Verified: now at %1, port %2</source>
        <translation>Verificado: ahora en %1, puerto %2</translation>
    </message>
    <message>
        <source>%1 %2 instead of %3</source>
        <translation>%1 %2 en lugar de %3</translation>
    </message>
    <message>
        <source>Not verified: the printer reports %1.</source>
        <translation>No verificado: la impresora indica %1.</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>No verificado: la comprobación se canceló.</translation>
    </message>
    <message>
        <source>Not verified: DHCP is on and the printer has no address yet.</source>
        <translation>No verificado: el DHCP está activado y la impresora aún no tiene dirección.</translation>
    </message>
</context>
<context>
    <name>corvane::app::LauncherDialog</name>
    <message>
        <source>Provision printers...</source>
        <translation>Configurar varias impresoras...</translation>
    </message>
</context>
<context>
    <name>corvane::lan::AssignAddressesDialog</name>
    <message>
        <source>Assign addresses</source>
        <translation>Asignar direcciones</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>Primera dirección</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Máscara de subred</translation>
    </message>
    <message>
        <source>Gateway (optional)</source>
        <translation>Puerta de enlace (opcional)</translation>
    </message>
    <message>
        <source>Port (optional)</source>
        <translation>Puerto (opcional)</translation>
    </message>
    <message>
        <source>Send rows with warnings too</source>
        <translation>Enviar también las filas con advertencias</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>Dirección MAC</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Enter the first address as four numbers 0-255 with dots between them.</source>
        <translation>Introduzca la primera dirección como cuatro números de 0 a 255 separados por puntos.</translation>
    </message>
    <message>
        <source>Enter the subnet mask as four numbers 0-255 with dots between them.</source>
        <translation>Introduzca la máscara de subred como cuatro números de 0 a 255 separados por puntos.</translation>
    </message>
    <message>
        <source>Enter the port as a number, or leave it empty to keep each printer&apos;s port.</source>
        <translation>Introduzca el puerto como un número, o déjelo vacío para conservar el puerto de cada impresora.</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>no enviada</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrada</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rechazada</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>confirmada</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>no confirmada</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificada</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>no verificada</translation>
    </message>
    <message>
        <source>Sending to %1 (%2 of %3)…</source>
        <translation>Enviando a %1 (%2 de %3)…</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printers to restart, then searching for them again…</source>
        <translation>Esperando %1 s a que las impresoras se reinicien; después se buscarán de nuevo…</translation>
    </message>
    <message>
        <source>Cancelled before anything was sent.</source>
        <translation>Cancelado antes de enviar nada.</translation>
    </message>
    <message>
        <source>Cancelled: sent to %1; the other rows were not sent.</source>
        <translation>Cancelado: enviado a %1; las demás filas no se enviaron.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 take each other&apos;s addresses in a circle, which would need a temporary address: nothing is sent to them. Give one of them an unused address first.</source>
        <translation>%1 toman las direcciones unas de otras en círculo, lo que requeriría una dirección temporal: no se les envía nada. Asigne primero a una de ellas una dirección libre.</translation>
    </message>
    <message>
        <source>%1 still holds %2: its own row did not move it away, so this row was not sent.</source>
        <translation>%1 todavía ocupa %2: su propia fila no la movió, así que esta fila no se envió.</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>No verificado: la comprobación se canceló.</translation>
    </message>
    <message>
        <source>The check after the change was cancelled: the confirmed printers are not verified.</source>
        <translation>La comprobación tras el cambio se canceló: las impresoras confirmadas no están verificadas.</translation>
    </message>
    <message>
        <source>will not be sent</source>
        <translation>no se enviará</translation>
    </message>
    <message>
        <source>will be sent</source>
        <translation>se enviará</translation>
    </message>
    <message numerus="yes">
        <source>Done: the new address shows on %1 of %n printer(s).</source>
        <translation>
            <numerusform>Listo: la nueva dirección aparece en %1 de %n impresora.</numerusform>
            <numerusform>Listo: la nueva dirección aparece en %1 de %n impresoras.</numerusform>
        </translation>
    </message>
    <message>
        <source>Send rows with conflicts too</source>
        <translation>Enviar también las filas con conflictos</translation>
    </message>
    <message>
        <source>Enter the gateway as four numbers 0-255, or leave it empty to keep each printer&apos;s gateway.</source>
        <translation>Introduzca la puerta de enlace como cuatro números de 0 a 255, o déjela vacía para conservar la puerta de enlace de cada impresora.</translation>
    </message>
    <message>
        <source>mask %1</source>
        <translation>máscara %1</translation>
    </message>
    <message>
        <source>gateway %1</source>
        <translation>puerta de enlace %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>puerto %1</translation>
    </message>
    <message>
        <source>DHCP on</source>
        <translation>DHCP activado</translation>
    </message>
    <message>
        <source>DHCP off</source>
        <translation>DHCP desactivado</translation>
    </message>
    <message>
        <source>Searching for the printers again: %1 of at most %2 s…</source>
        <translation>Buscando de nuevo las impresoras: %1 de un máximo de %2 s…</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Impresoras</translation>
    </message>
</context>
<context>
    <name>corvane::lan::DeviceListDialog</name>
    <message>
        <source>Assign addresses...</source>
        <translation>Asignar direcciones...</translation>
    </message>
    <message>
        <source>Gives the chosen printers consecutive addresses.</source>
        <translation>Da a las impresoras elegidas direcciones consecutivas.</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Forma de contacto</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>Adaptador</translation>
    </message>
    <message>
        <source>unicast</source>
        <translation>unidifusión</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>difusión</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Searching for the printer again: %1 of at most %2 s…</source>
        <translation>Buscando de nuevo la impresora: %1 de un máximo de %2 s…</translation>
    </message>
    <message>
        <source>Print a test page</source>
        <translation>Imprimir una página de prueba</translation>
    </message>
    <message>
        <source>Prints a test page on the printer at its new address %1, port %2.</source>
        <translation>Imprime una página de prueba en la impresora en su nueva dirección %1, puerto %2.</translation>
    </message>
</context>
<context>
    <name>corvane::provision::ProvisionDialog</name>
    <message>
        <source>Provision printers</source>
        <translation>Configurar varias impresoras</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Perfil:</translation>
    </message>
    <message>
        <source>Profiles (*.json)</source>
        <translation>Perfiles (*.json)</translation>
    </message>
    <message>
        <source>Printers &amp;sheet (optional):</source>
        <translation>&amp;Lista de impresoras (opcional):</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>ttyUSB0, ttyS0</source>
        <translation>ttyUSB0, ttyS0</translation>
    </message>
    <message>
        <source>Se&amp;rial ports (optional):</source>
        <translation>Pue&amp;rtos serie (opcional):</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>Dirección MAC</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Fields changed</source>
        <translation>Campos cambiados</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Impresoras</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The profile cannot be read: %1</source>
        <translation>No se puede leer el perfil: %1</translation>
    </message>
    <message>
        <source>The profile cannot be used: %1</source>
        <translation>No se puede usar el perfil: %1</translation>
    </message>
    <message>
        <source>The printers sheet cannot be used: %1</source>
        <translation>No se puede usar la lista de impresoras: %1</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>Desconectada</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Configuring</source>
        <translation>Configurando</translation>
    </message>
    <message>
        <source>Done; unplug it</source>
        <translation>Listo; desconéctela</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Configured (profile only)</source>
        <translation>Configurada (solo perfil)</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>Configurada</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) in progress.</source>
        <translation>
            <numerusform>%n impresora en proceso.</numerusform>
            <numerusform>%n impresoras en proceso.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Detenido.</translation>
    </message>
    <message numerus="yes">
        <source>Stopping: %n printer(s) still in progress.</source>
        <translation>
            <numerusform>Deteniendo: todavía hay %n impresora en proceso.</numerusform>
            <numerusform>Deteniendo: todavía hay %n impresoras en proceso.</numerusform>
        </translation>
    </message>
    <message>
        <source>Configured: %1, unchanged: %2, failed: %3. %4</source>
        <comment>the totals, then the state sentence</comment>
        <translation>Configuradas: %1, sin cambios: %2, con error: %3. %4</translation>
    </message>
</context>
</TS>
