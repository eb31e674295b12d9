<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutBox</name>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Sets up the network interface of Zephran POS receipt printers: Ethernet and wireless printers on the local network, and printers attached by a serial port or a USB cable.</source>
        <translation>設定 Zephran POS 收據印表機的網路介面：適用於區域網路上的乙太網路及無線印表機，以及透過序列埠或 USB 線連接的印表機。</translation>
    </message>
    <message>
        <source>Copyright © Corvane Tool developers. Free software under the MIT licence.</source>
        <translation>Copyright © Corvane Tool 開發者。依 MIT 授權條款發布的自由軟體。</translation>
    </message>
    <message>
        <source>About Corvane Tool</source>
        <translation>關於 Corvane Tool</translation>
    </message>
</context>
<context>
    <name>BssInfoDialog</name>
    <message>
        <source>BSS Information</source>
        <translation>BSS 資訊</translation>
    </message>
    <message>
        <source>No</source>
        <translation>編號</translation>
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
        <translation>模式</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>安全性</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>取得 BSS 資訊</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>印表機偵測到的存取點</translation>
    </message>
</context>
<context>
    <name>BssPage</name>
    <message>
        <source>No</source>
        <translation>編號</translation>
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
        <translation>模式</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>安全性</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>取得 BSS 資訊</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>印表機偵測到的存取點</translation>
    </message>
    <message>
        <source>Use this network</source>
        <translation>使用此網路</translation>
    </message>
    <message>
        <source>Puts the chosen network&apos;s name on the Network page and, where the survey names one, its authentication on the Authentication page</source>
        <translation>將所選網路的名稱填入「網路」頁面；若掃描結果列出其驗證方式，也會將該驗證方式填入「驗證」頁面</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation>基礎架構</translation>
    </message>
    <message>
        <source>Ad hoc</source>
        <translation>Ad-Hoc</translation>
    </message>
</context>
<context>
    <name>CertificatePage</name>
    <message>
        <source>Certificate</source>
        <translation>憑證</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <translation>用戶端金鑰</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <translation>用戶端 PEM</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>File Upload</source>
        <translation>上傳檔案</translation>
    </message>
    <message>
        <source>Original Certificate Format (*)</source>
        <translation>原始憑證格式 (*)</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>憑證檔案</translation>
    </message>
</context>
<context>
    <name>ConfigApp</name>
    <message>
        <source>Sets up the network interface of Zephran receipt printers.</source>
        <translation>設定 Zephran 收據印表機的網路介面。</translation>
    </message>
    <message>
        <source>Show the windows in NAME instead of the system&apos;s language: en (the built-in English), a catalog name such as Japanese or German, or a locale name such as de_AT.</source>
        <translation>以 NAME 指定的語言顯示視窗，而非系統語言：en (內建英文)、翻譯檔名稱 (例如 Japanese 或 German)，或地區設定名稱 (例如 de_AT)。</translation>
    </message>
    <message>
        <source>corvane-tool: the desktop tool needs a display (a desktop session, or ssh -X); for the command line see corvane --help</source>
        <translation>corvane-tool：桌面工具需要顯示器（桌面工作階段或 ssh -X）；命令列用法請見 corvane --help</translation>
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
        <translation>編號</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MAC 位址</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 位址</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>子網路遮罩</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>閘道</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Configuration(Web)</source>
        <translation>Web 設定</translation>
    </message>
    <message>
        <source>BSS Info</source>
        <translation>BSS 資訊</translation>
    </message>
    <message>
        <source>Certificate upload</source>
        <translation>上傳憑證</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printer to restart its network…</source>
        <translation>正在等待 %1 秒，讓印表機重新啟動網路…</translation>
    </message>
    <message>
        <source>The printer %1 did not answer this search.</source>
        <translation>印表機 %1 未回應此次搜尋。</translation>
    </message>
    <message>
        <source>This printer does not support changing its settings from the list.</source>
        <translation>此印表機不支援從清單變更設定。</translation>
    </message>
    <message>
        <source>This printer does not support a web page.</source>
        <translation>此印表機不支援網頁。</translation>
    </message>
    <message>
        <source>This printer does not support the access point survey.</source>
        <translation>此印表機不支援存取點掃描。</translation>
    </message>
    <message>
        <source>Printers found</source>
        <translation>找到的印表機</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found.</source>
        <translation>
            <numerusform>找到 %n 台印表機。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found on %1.</source>
        <translation>
            <numerusform>在 %1 上找到 %n 台印表機。</numerusform>
        </translation>
    </message>
    <message>
        <source>Test print</source>
        <translation>測試列印</translation>
    </message>
    <message>
        <source>Prints a test page on the chosen printer over the network.</source>
        <translation>透過網路在所選印表機上列印測試頁。</translation>
    </message>
    <message>
        <source>Test page sent to %1.</source>
        <translation>測試頁已傳送到 %1。</translation>
    </message>
    <message>
        <source>The test page was not sent to %1: %2</source>
        <translation>測試頁未傳送到 %1：%2</translation>
    </message>
</context>
<context>
    <name>DeviceListExport</name>
    <message>
        <source>Export...</source>
        <translation>匯出...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Export the list</source>
        <translation>匯出清單</translation>
    </message>
    <message>
        <source>CSV (*.csv);;JSON (*.json)</source>
        <translation>CSV (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2</source>
        <translation>無法將清單寫入 %1：%2</translation>
    </message>
    <message>
        <source>The printers in the list&apos;s order, or only the chosen ones when several are chosen.</source>
        <translation>依清單順序的印表機；選取多台時僅為選取的印表機。</translation>
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
        <translation>印表機類型</translation>
    </message>
    <message>
        <source>POS</source>
        <translation>POS</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>通訊介面</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>序列埠</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>連線</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>中斷連線</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>This printer don&apos;t match our company name.</source>
        <translation>此印表機的製造商名稱與本公司名稱不符。</translation>
    </message>
    <message>
        <source>Include secrets</source>
        <translation>包含機密資訊</translation>
    </message>
    <message>
        <source>Export profile…</source>
        <translation>匯出設定檔…</translation>
    </message>
    <message>
        <source>Import profile…</source>
        <translation>匯入設定檔…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>設定檔 (*.json);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>匯入設定檔</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>匯出設定檔</translation>
    </message>
    <message>
        <source>The profile could not be saved:
%1</source>
        <translation>無法儲存設定檔：
%1</translation>
    </message>
    <message>
        <source>The profile has been saved to %1 with its keys and passwords.
Only you can read the file.</source>
        <translation>已將設定檔連同金鑰和密碼儲存至 %1。
只有您本人可以讀取該檔案。</translation>
    </message>
    <message>
        <source>The profile has been saved to %1.
Keys, passwords and the PIN were left out; importing the profile asks for them.</source>
        <translation>已將設定檔儲存至 %1。
檔案未包含金鑰、密碼和 PIN 碼；匯入設定檔時會要求您輸入。</translation>
    </message>
    <message>
        <source>The profile %1 cannot be imported:
%2</source>
        <translation>無法匯入設定檔 %1：
%2</translation>
    </message>
    <message>
        <source>The profile was not imported; nothing has changed.
%1</source>
        <translation>未匯入設定檔，所有設定均未變更。
%1</translation>
    </message>
    <message>
        <source>The profile has been imported. Check the pages, then press Save to write it to the printer.</source>
        <translation>已匯入設定檔。請檢查各頁面，然後按「儲存」將設定寫入印表機。</translation>
    </message>
    <message>
        <source>This printer has no %1; those settings were left out.</source>
        <translation>此印表機沒有 %1，因此已略過這些設定。</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未連線</translation>
    </message>
    <message>
        <source>Connected: %1 — firmware %2, %3</source>
        <translation>已連線：%1 — 韌體 %2，%3</translation>
    </message>
    <message>
        <source>newer layout</source>
        <translation>較新記錄格式</translation>
    </message>
    <message>
        <source>older layout</source>
        <translation>較舊記錄格式</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>正在開啟 %1…</translation>
    </message>
    <message>
        <source>Checking the printer… attempt %1 of %2</source>
        <translation>正在檢查印表機… 第 %1 次嘗試，共 %2 次</translation>
    </message>
    <message>
        <source>Reading the printer&apos;s settings…</source>
        <translation>正在讀取印表機設定…</translation>
    </message>
    <message>
        <source>Saving the settings…</source>
        <translation>正在儲存設定…</translation>
    </message>
    <message>
        <source>Surveying the access points…</source>
        <translation>正在掃描存取點…</translation>
    </message>
    <message>
        <source>Uploading the certificate… part %1 of %2</source>
        <translation>正在上傳憑證… 第 %1 部分，共 %2 部分</translation>
    </message>
    <message>
        <source>Include fixed address</source>
        <translation>包含固定位址</translation>
    </message>
    <message>
        <source>Put this printer&apos;s address assignment (DHCP or fixed), IP address, subnet mask and gateway in the exported profile, for a printer that replaces it.</source>
        <translation>將此印表機的位址指派方式 (DHCP 或固定)、IP 位址、子網路遮罩和閘道寫入匯出的設定檔，供取代它的印表機使用。</translation>
    </message>
    <message>
        <source>Put keys, passwords, the PIN and the SNMP write community in the exported profile; the file is then readable by you alone.</source>
        <translation>將金鑰、密碼、PIN 和 SNMP 寫入社群名稱寫入匯出的設定檔；此後該檔案僅您本人可讀取。</translation>
    </message>
    <message>
        <source>The printer confirmed the settings, but reading them back shows other values for: %1</source>
        <translation>印表機已確認設定，但回讀顯示下列項目的值不同：%1</translation>
    </message>
    <message>
        <source>The printer did not confirm the change, but it may have taken it. Connect again to see what it holds before trying again.</source>
        <translation>印表機未確認此變更，但可能已經套用。請重新連線，查看其中的內容後再重試。</translation>
    </message>
</context>
<context>
    <name>FindAtAddress</name>
    <message>
        <source>Find at address</source>
        <translation>依位址尋找</translation>
    </message>
    <message>
        <source>Addresses to ask, such as 10.0.5.20, 10.0.5.1-40 or 10.0.5.7,10.0.6.1-9:</source>
        <translation>要查詢的位址，例如 10.0.5.20、10.0.5.1-40 或 10.0.5.7,10.0.6.1-9：</translation>
    </message>
    <message>
        <source>These addresses cannot be asked: %1</source>
        <translation>無法查詢下列位址：%1</translation>
    </message>
    <message>
        <source>Find at address...</source>
        <translation>依位址尋找...</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The change was made, but it could not be added to the history: %1</source>
        <translation>變更已套用，但無法寫入歷史記錄：%1</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>無法建立資料夾 %1：%2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>不是 JSON 物件</translation>
    </message>
    <message>
        <source>no valid time</source>
        <translation>沒有有效的時間</translation>
    </message>
    <message>
        <source>no outcome or no list of changes</source>
        <translation>缺少結果或變更清單</translation>
    </message>
    <message>
        <source>a change without a field name</source>
        <translation>有一項變更缺少欄位名稱</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>無法開啟 %1：%2</translation>
    </message>
    <message>
        <source>%1 stayed locked by another program</source>
        <translation>%1 持續被其他程式鎖定</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>無法讀取 %1：%2</translation>
    </message>
    <message>
        <source>line %1 of %2 skipped: %3</source>
        <translation>已略過 %2 的第 %1 行：%3</translation>
    </message>
    <message>
        <source>The change may have reached the printer, but it could not be added to the history: %1</source>
        <translation>變更可能已送達印表機，但無法寫入歷史記錄：%1</translation>
    </message>
    <message>
        <source>The failed attempt could not be added to the history: %1</source>
        <translation>無法將失敗的嘗試寫入歷史記錄：%1</translation>
    </message>
    <message>
        <source>The change could not be added to the history: %1</source>
        <translation>無法將變更寫入歷史記錄：%1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the history is not written through links</source>
        <translation>%1 是符號連結；歷史記錄不會透過連結寫入</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 不是一般檔案</translation>
    </message>
    <message>
        <source>cannot read %1: %2 is not a folder</source>
        <translation>無法讀取 %1：%2 不是資料夾</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Export CSV</source>
        <translation>匯出 CSV</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv);;All files (*)</source>
        <translation>逗號分隔值 (*.csv);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>History of changes</source>
        <translation>變更歷史記錄</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>印表機</translation>
    </message>
    <message>
        <source>All printers</source>
        <translation>所有印表機</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>時間 (UTC)</translation>
    </message>
    <message>
        <source>Front end</source>
        <translation>前端</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>Way in</source>
        <translation>連線方式</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>變更內容</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>匯出 CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>The history could not be exported:
%1</source>
        <translation>無法匯出歷史記錄：
%1</translation>
    </message>
</context>
<context>
    <name>Ipv4AddressEdit</name>
    <message>
        <source>This mask is not a run of ones followed by zeros (such as 255.255.255.0).</source>
        <translation>此遮罩不是由連續的 1 後接 0 組成（例如 255.255.255.0）。</translation>
    </message>
    <message>
        <source>This is the network address of the subnet its mask spans; no device can use it.</source>
        <translation>這是該遮罩所涵蓋子網路的網路位址，任何裝置都不能使用。</translation>
    </message>
    <message>
        <source>This is the broadcast address of the subnet its mask spans; no device can use it.</source>
        <translation>這是該遮罩所涵蓋子網路的廣播位址，任何裝置都不能使用。</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 位址</translation>
    </message>
    <message>
        <source>%1, part %2 of 4</source>
        <translation>%1，第 %2 部分（共 4 部分）</translation>
    </message>
    <message>
        <source>0 to 255</source>
        <translation>0～255</translation>
    </message>
</context>
<context>
    <name>LanEndpoints</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address or a range A.B.C.D-E</source>
        <translation>「%1」不是 IPv4 位址，也不是 A.B.C.D-E 形式的範圍</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; ends before it starts</source>
        <translation>範圍「%1」的結束早於開始</translation>
    </message>
    <message>
        <source>more than %1 addresses</source>
        <translation>位址超過 %1 個</translation>
    </message>
    <message>
        <source>the list has an empty entry (two commas in a row, or one at an end)</source>
        <translation>清單中有空項目（連續兩個逗號，或開頭或結尾有逗號）</translation>
    </message>
</context>
<context>
    <name>LanSendChecks</name>
    <message>
        <source>The subnet mask %1 is not contiguous: its ones must all come before its zeros.</source>
        <translation>子網路遮罩 %1 不連續：所有 1 位元都必須位於 0 位元之前。</translation>
    </message>
    <message>
        <source>The IP address %1 is the network address of its subnet; no device can use it.</source>
        <translation>IP 位址 %1 是其所在子網路的網路位址，任何裝置都無法使用。</translation>
    </message>
    <message>
        <source>The IP address %1 is the broadcast address of its subnet; no device can use it.</source>
        <translation>IP 位址 %1 是其所在子網路的廣播位址，任何裝置都無法使用。</translation>
    </message>
    <message>
        <source>The IP address %1 is reserved (%2) and cannot be a printer&apos;s address.</source>
        <translation>IP 位址 %1 為保留位址 (%2)，不能作為印表機的位址。</translation>
    </message>
    <message>
        <source>The gateway %1 is outside the subnet %2 of the IP address; the printer could not reach it.</source>
        <translation>閘道 %1 不在此 IP 位址的子網路 %2 內，印表機將無法連到該閘道。</translation>
    </message>
    <message>
        <source>The IP address %1 is already used by the printer %2 in the list.</source>
        <translation>IP 位址 %1 已由清單中的印表機 %2 使用。</translation>
    </message>
    <message>
        <source>The IP address %1 is outside the subnet %2 of this computer&apos;s address %3: this computer will no longer reach the printer without a route.</source>
        <translation>IP 位址 %1 不在這台電腦位址 %3 的子網路 %2 內：若沒有路由，這台電腦將無法再連到印表機。</translation>
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
        <translation>網路設定</translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation>IP 位址：</translation>
    </message>
    <message>
        <source>Subnet Mask :</source>
        <translation>子網路遮罩：</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>閘道：</translation>
    </message>
    <message>
        <source>Local Port :</source>
        <translation>本機連接埠：</translation>
    </message>
    <message>
        <source> (0 ~ 32767)</source>
        <translation> (0 ~ 32767)</translation>
    </message>
    <message>
        <source>Inactivity time :
(0 ~ 3600)    </source>
        <translation>閒置時間：
(0 ~ 3600)    </translation>
    </message>
    <message>
        <source>sec (Default: 0)</source>
        <translation>秒 (預設值：0)</translation>
    </message>
    <message>
        <source>DHCP Mode</source>
        <translation>DHCP 模式</translation>
    </message>
    <message>
        <source>Device Baudrate :</source>
        <translation>裝置鮑率：</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>WLAN 設定</translation>
    </message>
    <message>
        <source>Ethernet Configuration</source>
        <translation>乙太網路設定</translation>
    </message>
    <message>
        <source>TCP port, up to 32767</source>
        <translation>TCP 連接埠，最大 32767</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>秒數，0 到 3600</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>韌體版本：</translation>
    </message>
    <message>
        <source>The settings to be sent give these warnings:</source>
        <translation>要傳送的設定有下列警告：</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>仍要儲存</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>The settings to be sent conflict with the network or another printer:</source>
        <translation>要傳送的設定與網路或其他印表機衝突：</translation>
    </message>
    <message>
        <source>Save despite the conflicts</source>
        <translation>忽略衝突並儲存</translation>
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
        <translation>乙太網路設定
(乙太網路)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(WLAN)</source>
        <translation>WLAN 設定
(WLAN)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(USB)</source>
        <translation>WLAN 設定
(USB)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>關於...</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>歷史記錄…</translation>
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
        <translation>IP 位址 - </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Addresses of this computer</source>
        <translation>這台電腦的位址</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>所有位址</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Network Mode</source>
        <translation>網路模式</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>基礎架構網路</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>Ad-Hoc</translation>
    </message>
    <message>
        <source>Ad Hoc Channel</source>
        <translation>Ad-Hoc 頻道</translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <translation>Wi-Fi Direct</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>頻道</translation>
    </message>
    <message>
        <source>Conn Mode</source>
        <translation>連線模式</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN 碼</translation>
    </message>
    <message>
        <source>IP Assignment Method</source>
        <translation>IP 指派方式</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>自動指派 (DHCP)</translation>
    </message>
    <message>
        <source>Manual Allocation</source>
        <translation>手動指派</translation>
    </message>
    <message>
        <source>Network Setting</source>
        <translation>網路設定</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Inactivity Time (0~3600)</source>
        <translation>閒置時間 (0~3600)</translation>
    </message>
    <message>
        <source>Sec (Default: 0)</source>
        <translation>秒 (預設值：0)</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 位址</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>子網路遮罩</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>閘道</translation>
    </message>
    <message>
        <source>Channel, 1 to 14</source>
        <translation>頻道，1 到 14</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>秒數，0 到 3600</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>Permission denied: add your user to the &apos;dialout&apos; group (serial) or &apos;lp&apos; group (USB printer), then log in again</source>
        <translation>權限不足：請將您的使用者加入 &apos;dialout&apos; 群組 (序列埠) 或 &apos;lp&apos; 群組 (USB 印表機)，然後重新登入</translation>
    </message>
    <message>
        <source>Your user needs to be in the group &apos;%1&apos; that owns %2: run &quot;sudo usermod -aG %1 $USER&quot;, then log in again.</source>
        <translation>您的使用者必須屬於擁有 %2 的群組 &apos;%1&apos;：請執行 &quot;sudo usermod -aG %1 $USER&quot;，然後重新登入。</translation>
    </message>
    <message>
        <source>No printer is ready on this line: its DSR or CTS signal is off.</source>
        <translation>此線路上沒有就緒的印表機：DSR 或 CTS 訊號為關閉狀態。</translation>
    </message>
    <message>
        <source>The port does not take the printer&apos;s line settings (115200 baud, 8 data bits, no parity, 1 stop bit, RTS/CTS).</source>
        <translation>此連接埠不接受印表機的通訊參數 (115200 鮑、8 個資料位元、無同位檢查、1 個停止位元、RTS/CTS)。</translation>
    </message>
    <message>
        <source>The device is in use by another program.</source>
        <translation>此裝置正由其他程式使用中。</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>&quot;%1&quot; 必須是文字</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number</source>
        <translation>&quot;%1&quot; 必須是整數</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a dotted IPv4 address such as &quot;192.168.0.10&quot;</source>
        <translation>&quot;%1&quot; 必須是以點分隔的 IPv4 位址，例如 &quot;192.168.0.10&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a value of the wrong kind</source>
        <translation>&quot;%1&quot; 的值類型錯誤</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than its %2 bytes</source>
        <translation>&quot;%1&quot; 超過其上限 %2 個位元組</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not contain a zero character</source>
        <translation>&quot;%1&quot; 不可包含 NUL (零值) 字元</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from 0 to %2</source>
        <translation>&quot;%1&quot; 必須是 0 到 %2 之間的整數</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to one printer and is never part of a profile</source>
        <translation>&quot;%1&quot; 專屬於個別印表機，不會納入設定檔</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a profile</source>
        <translation>&quot;%1&quot; 不是設定檔中的設定項目</translation>
    </message>
    <message>
        <source>not valid JSON (%1 at offset %2)</source>
        <translation>不是有效的 JSON (%1，位置 %2)</translation>
    </message>
    <message>
        <source>the file must hold one JSON object</source>
        <translation>檔案必須只包含一個 JSON 物件</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot; (a profile holds &quot;format&quot; and &quot;config&quot;)</source>
        <translation>未知的鍵名 &quot;%1&quot; (設定檔包含 &quot;format&quot; 和 &quot;config&quot;)</translation>
    </message>
    <message>
        <source>&quot;format&quot; must be &quot;%1&quot;</source>
        <translation>&quot;format&quot; 必須是 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file has no &quot;config&quot; object</source>
        <translation>檔案中沒有 &quot;config&quot; 物件</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: Wi-Fi Direct needs a printer with the newer record layout</source>
        <translation>&quot;%1&quot;：Wi-Fi Direct 需要使用較新記錄格式的印表機</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>無法讀取 %1：%2</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears more than once</source>
        <translation>索引鍵「%1」出現了不只一次</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a secret; a secrets file holds only %2</source>
        <translation>「%1」不是機密資訊；機密資訊檔案只包含 %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the profile would fix this DHCP printer at the address it holds now; a profile that changes the address assignment needs the address too (export with the address)</source>
        <translation>「%1」：此設定檔會把這台 DHCP 印表機固定在其目前位址；變更位址指派方式的設定檔還需要包含位址 (請連同位址一起匯出)</translation>
    </message>
</context>
<context>
    <name>ProtocolPage</name>
    <message>
        <source>Task State</source>
        <translation>服務狀態</translation>
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
        <translation>社群名稱 (讀取):</translation>
    </message>
    <message>
        <source>Community Name (Write):</source>
        <translation>社群名稱 (寫入):</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>Trap IP 位址</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>Trap 社群名稱</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Search...</source>
        <translation>搜尋...</translation>
    </message>
    <message>
        <source>Searching.</source>
        <translation>正在搜尋。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>SecretToggle</name>
    <message>
        <source>Show</source>
        <translation>顯示</translation>
    </message>
    <message>
        <source>Show or hide what is typed</source>
        <translation>顯示或隱藏輸入的內容</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>顯示%1</translation>
    </message>
</context>
<context>
    <name>SecretsDialog</name>
    <message>
        <source>WEP Key</source>
        <translation>WEP 金鑰</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>PSK 金鑰</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN 碼</translation>
    </message>
    <message>
        <source>The profile leaves out these secrets. Enter them for this printer:</source>
        <translation>設定檔未包含下列機密資訊。請為此印表機輸入：</translation>
    </message>
</context>
<context>
    <name>SecurityPage</name>
    <message>
        <source>Authentication</source>
        <translation>驗證</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>開放式系統</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>共用金鑰</translation>
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
        <translation>加密</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>無</translation>
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
        <translation>WEP 金鑰</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>PSK 金鑰</translation>
    </message>
    <message>
        <source>Authentication ID</source>
        <translation>驗證 ID</translation>
    </message>
    <message>
        <source>Authentication Password</source>
        <translation>驗證密碼</translation>
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
        <translation>編號</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>印表機名稱</translation>
    </message>
    <message>
        <source>Printer Port Num</source>
        <translation>印表機連接埠號碼</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>使用者 ID</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>使用者密碼</translation>
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
        <translation>社群名稱 (寫入)</translation>
    </message>
    <message>
        <source>Get Community</source>
        <translation>社群名稱 (讀取)</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>Trap IP 位址</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>Trap 社群名稱</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>網路模式</translation>
    </message>
    <message>
        <source>Adhoc Channel</source>
        <translation>Ad-Hoc 頻道</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>閒置時間</translation>
    </message>
    <message>
        <source>IP Assignment method</source>
        <translation>IP 指派方式</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 位址</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>子網路遮罩</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>閘道</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>驗證</translation>
    </message>
    <message>
        <source>Cryptograph</source>
        <translation>加密方式</translation>
    </message>
    <message>
        <source>WEP Key</source>
        <translation>WEP 金鑰</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>PSK 金鑰</translation>
    </message>
    <message>
        <source>EAP Mode</source>
        <translation>EAP 模式</translation>
    </message>
    <message>
        <source>Auth ID</source>
        <translation>驗證 ID</translation>
    </message>
    <message>
        <source>Auth Password/Certification Key(EAP-TLS)</source>
        <translation>驗證密碼/憑證金鑰 (EAP-TLS)</translation>
    </message>
    <message>
        <source>P2P Conn Mode</source>
        <translation>P2P 連線模式</translation>
    </message>
    <message>
        <source>P2P Channel</source>
        <translation>P2P 頻道</translation>
    </message>
    <message>
        <source>P2P Pin Code</source>
        <translation>P2P PIN 碼</translation>
    </message>
    <message>
        <source>Settings written to the printer</source>
        <translation>已寫入印表機的設定</translation>
    </message>
    <message>
        <source>&amp;Show secrets</source>
        <translation>顯示機密資訊(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>Copies every row, tab-separated, as shown</source>
        <translation>依顯示內容複製所有資料列，以 Tab 字元分隔</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The BSS information has been imported successfully.</source>
        <translation>已成功取得 BSS 資訊。</translation>
    </message>
    <message>
        <source>Failed to import the BSS information.
Please check the IP address or port number to connect to.</source>
        <translation>無法取得 BSS 資訊。
請檢查要連線的 IP 位址或連接埠號碼。</translation>
    </message>
    <message>
        <source>Failed to connect to the printer.</source>
        <translation>無法連線到印表機。</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Reset the printer.</source>
        <translation>設定已完成。
請重新啟動印表機。</translation>
    </message>
    <message>
        <source>The configuration has failed.</source>
        <translation>設定失敗。</translation>
    </message>
    <message>
        <source>Unable to open the port.</source>
        <translation>無法開啟連接埠。</translation>
    </message>
    <message>
        <source>The User ID is incorrect.
Please try again.</source>
        <translation>使用者 ID 不正確。
請再試一次。</translation>
    </message>
    <message>
        <source>The Password is incorrect.
Please try again.</source>
        <translation>密碼不正確。
請再試一次。</translation>
    </message>
    <message>
        <source>The system name is incorrect.
Please try again.</source>
        <translation>系統名稱不正確。
請再試一次。</translation>
    </message>
    <message>
        <source>The port number is incorrect.
Please try again.</source>
        <translation>連接埠號碼不正確。
請再試一次。</translation>
    </message>
    <message>
        <source>The community name is incorrect.
Please try again.</source>
        <translation>社群名稱不正確。
請再試一次。</translation>
    </message>
    <message>
        <source>The trap community is incorrect.
Please try again.</source>
        <translation>Trap 社群名稱不正確。
請再試一次。</translation>
    </message>
    <message>
        <source>The Adhoc channel is incorrect.
Please try again.</source>
        <translation>Ad-Hoc 頻道不正確。
請再試一次。</translation>
    </message>
    <message>
        <source>The SSID is incorrect.
Please try again.</source>
        <translation>SSID 不正確。
請再試一次。</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
Please try again.</source>
        <translation>PSK 金鑰不正確。
請再試一次。</translation>
    </message>
    <message>
        <source>The certificate ID is incorrect.
Please try again.</source>
        <translation>憑證 ID 不正確。
請再試一次。</translation>
    </message>
    <message>
        <source>The certificate password is incorrect.
Please try again.</source>
        <translation>憑證密碼不正確。
請再試一次。</translation>
    </message>
    <message>
        <source>The printer has been connected successfully.</source>
        <translation>已成功連線到印表機。</translation>
    </message>
    <message>
        <source>The certificate document has been uploaded successfully.
Reset the printer.</source>
        <translation>已成功上傳憑證檔案。
請重新啟動印表機。</translation>
    </message>
    <message>
        <source>Failed to upload the certificate document.
Reset the printer.</source>
        <translation>無法上傳憑證檔案。
請重新啟動印表機。</translation>
    </message>
    <message>
        <source>The maximum size of a certificate file is 3KB.</source>
        <translation>憑證檔案大小上限為 3KB。</translation>
    </message>
    <message>
        <source>The certificate file is selected.</source>
        <translation>已選取憑證檔案。</translation>
    </message>
    <message>
        <source>The certificate file is invalid.</source>
        <translation>憑證檔案無效。</translation>
    </message>
    <message>
        <source>No certificate file is selected or the selected file is invalid.</source>
        <translation>未選取憑證檔案，或選取的檔案無效。</translation>
    </message>
    <message>
        <source>The Adhoc mode is not available.
Authentication is allowed in either Open System or Shared Key.</source>
        <translation>無法使用 Ad-Hoc 模式。
驗證方式只能選擇開放式系統或共用金鑰。</translation>
    </message>
    <message>
        <source>Failed to read the certificate file.</source>
        <translation>無法讀取憑證檔案。</translation>
    </message>
    <message>
        <source>Please select a device in the list.</source>
        <translation>請在清單中選取裝置。</translation>
    </message>
    <message>
        <source>Please search for a device again.</source>
        <translation>請重新搜尋裝置。</translation>
    </message>
    <message>
        <source>Error: Failed to read the list of information.</source>
        <translation>錯誤：無法讀取資訊清單。</translation>
    </message>
    <message>
        <source>Please check the IP address or port number.</source>
        <translation>請檢查 IP 位址或連接埠號碼。</translation>
    </message>
    <message>
        <source>The specified port is not available.
Please enter a port number again.</source>
        <translation>指定的連接埠無法使用。
請重新輸入連接埠號碼。</translation>
    </message>
    <message>
        <source>The IP address cannot be used.
Please enter an IP address again.</source>
        <translation>無法使用此 IP 位址。
請重新輸入 IP 位址。</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>設定已完成。
如果清單未重新整理，請重新搜尋裝置。</translation>
    </message>
    <message>
        <source>The WLAN configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>WLAN 設定已完成。
如果清單未重新整理，請重新搜尋裝置。</translation>
    </message>
    <message>
        <source>Unable to configure the port.
Please enter a port number again.(0~32767)</source>
        <translation>無法設定連接埠。
請重新輸入連接埠號碼 (0~32767)。</translation>
    </message>
    <message>
        <source>Unable to save the configuration.
Please configure again.</source>
        <translation>無法儲存設定。
請重新設定。</translation>
    </message>
    <message>
        <source>The time has not been set.
Please enter time again.</source>
        <translation>時間未設定。
請重新輸入時間。</translation>
    </message>
    <message>
        <source>The channel number has not been set.
Please enter a channel number again.(0~14)</source>
        <translation>頻道編號未設定。
請重新輸入頻道編號 (0~14)。</translation>
    </message>
    <message>
        <source>Network is in Adhoc mode.
You must assign IP address manually.</source>
        <translation>網路處於 Ad-Hoc 模式。
必須手動指派 IP 位址。</translation>
    </message>
    <message>
        <source>Unable to connect to the USB device.</source>
        <translation>無法連線到 USB 裝置。</translation>
    </message>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Now Searching</source>
        <translation>正在搜尋</translation>
    </message>
    <message>
        <source>System &amp; Information</source>
        <translation>系統與資訊</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <translation>BSS 資訊</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>驗證</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>通訊協定</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>網路</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>開放式系統</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>共用金鑰</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>基礎架構網路</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>Ad-Hoc</translation>
    </message>
    <message>
        <source>Manual allocation</source>
        <translation>手動指派</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>自動指派 (DHCP)</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>啟用</translation>
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
        <translation>驗證密碼</translation>
    </message>
    <message>
        <source>Certification Password</source>
        <translation>憑證密碼</translation>
    </message>
    <message>
        <source>Incorrect PIN. Please re-enter your PIN Code.</source>
        <translation>PIN 碼不正確。請重新輸入 PIN 碼。</translation>
    </message>
    <message>
        <source>Currently no network connection is found. Check the network connection.</source>
        <translation>目前找不到網路連線。請檢查網路連線。</translation>
    </message>
    <message>
        <source>The text is too long for the printer.
Please shorten it (some characters take more than one byte).</source>
        <translation>文字超出印表機允許的長度。
請縮短文字 (部分字元會佔用多個位元組)。</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
It must be 8 to 63 printable ASCII characters or 64 hexadecimal digits.</source>
        <translation>PSK 金鑰不正確。
PSK 金鑰必須是 8 到 63 個可列印的 ASCII 字元，或 64 位十六進位數字。</translation>
    </message>
    <message>
        <source>This setting cannot be chosen together with the other settings.
Please check the settings and try again.</source>
        <translation>此設定無法與其他設定同時選用。
請檢查設定後再試一次。</translation>
    </message>
    <message>
        <source>The search could not start.
%1</source>
        <translation>無法開始搜尋。
%1</translation>
    </message>
    <message>
        <source>The settings could not be sent.
%1</source>
        <translation>無法傳送設定。
%1</translation>
    </message>
    <message>
        <source>The local address %1 cannot be used.</source>
        <translation>無法使用本機位址 %1。</translation>
    </message>
    <message>
        <source>The local UDP port %1 cannot be used.</source>
        <translation>無法使用本機 UDP 連接埠 %1。</translation>
    </message>
    <message>
        <source>The request could not leave this computer: %1</source>
        <translation>無法從這台電腦送出要求：%1</translation>
    </message>
    <message>
        <source>No web browser could be opened.
Please open this address in a web browser:
%1</source>
        <translation>無法開啟網頁瀏覽器。
請在網頁瀏覽器中開啟此位址：
%1</translation>
    </message>
    <message>
        <source>The printer has no IP address configured.
Its web page cannot be opened.</source>
        <translation>印表機未設定 IP 位址。
無法開啟印表機的網頁。</translation>
    </message>
    <message>
        <source>This printer does not offer Setting (feature code %1).</source>
        <translation>此印表機不支援「設定」功能 (功能代碼 %1)。</translation>
    </message>
    <message>
        <source>Discard the changes made since Connect?</source>
        <translation>要丟棄連線後所做的變更嗎？</translation>
    </message>
    <message>
        <source>WEP Key is invalid.
WEP Key must be 5 or 13 characters, or 10 or 26 hexadecimal digits.</source>
        <translation>WEP 金鑰無效。
WEP 金鑰必須是 5 或 13 個字元，或 10 或 26 位十六進位數字。</translation>
    </message>
    <message>
        <source>Certification</source>
        <translation>憑證</translation>
    </message>
    <message>
        <source>The subnet mask is not valid: its ones must all come before its zeros.
Please enter the subnet mask again.</source>
        <translation>子網路遮罩無效：所有 1 位元都必須位於 0 位元之前。
請重新輸入子網路遮罩。</translation>
    </message>
    <message>
        <source>UDP port %1 is in use by another program.</source>
        <translation>UDP 連接埠 %1 正由其他程式使用中。</translation>
    </message>
    <message>
        <source>The requests cannot be kept to interface %1: %2</source>
        <translation>無法將要求限制在介面 %1 上：%2</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>印表機名稱</translation>
    </message>
    <message>
        <source>Printer Port Num (0 ~ 32767)</source>
        <translation>印表機連接埠號碼 (0 ~ 32767)</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>使用者 ID</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>使用者密碼</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>確認密碼</translation>
    </message>
    <message>
        <source>Firmware Information</source>
        <translation>韌體資訊</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>韌體版本：</translation>
    </message>
    <message>
        <source>Update Date :</source>
        <translation>更新日期：</translation>
    </message>
    <message>
        <source>Mac Address :</source>
        <translation>MAC 位址：</translation>
    </message>
    <message>
        <source>TCP port, 0 to 32767</source>
        <translation>TCP 連接埠，0 到 32767</translation>
    </message>
</context>
<context>
    <name>VerificationNote</name>
    <message>
        <source>IP address</source>
        <translation>IP 位址</translation>
    </message>
    <message>
        <source>subnet mask</source>
        <translation>子網路遮罩</translation>
    </message>
    <message>
        <source>gateway</source>
        <translation>閘道</translation>
    </message>
    <message>
        <source>port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>inactivity time</source>
        <translation>閒置時間</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>baud rate code</source>
        <translation>鮑率代碼</translation>
    </message>
    <message>
        <source>Not verified: the printer did not answer the search after the change.</source>
        <translation>未驗證：變更後印表機未回應搜尋。</translation>
    </message>
    <message>
        <source>Verified: now at %1, port %2</source>
        <translation>已驗證：目前位址為 %1，連接埠 %2</translation>
    </message>
    <message>
        <source>%1 %2 instead of %3</source>
        <translation>%1 為 %2，而非 %3</translation>
    </message>
    <message>
        <source>Not verified: the printer reports %1.</source>
        <translation>未驗證：印表機回報 %1。</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>未驗證：檢查已取消。</translation>
    </message>
    <message>
        <source>Not verified: DHCP is on and the printer has no address yet.</source>
        <translation>未驗證：DHCP 已開啟，印表機尚無位址。</translation>
    </message>
</context>
<context>
    <name>corvane::app::LauncherDialog</name>
    <message>
        <source>Provision printers...</source>
        <translation>批次設定印表機...</translation>
    </message>
</context>
<context>
    <name>corvane::lan::AssignAddressesDialog</name>
    <message>
        <source>Assign addresses</source>
        <translation>指派位址</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>起始位址</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>子網路遮罩</translation>
    </message>
    <message>
        <source>Gateway (optional)</source>
        <translation>閘道（選填）</translation>
    </message>
    <message>
        <source>Port (optional)</source>
        <translation>連接埠（選填）</translation>
    </message>
    <message>
        <source>Send rows with warnings too</source>
        <translation>有警告的列也傳送</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MAC 位址</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>目前</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新位址</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Enter the first address as four numbers 0-255 with dots between them.</source>
        <translation>請輸入起始位址：四個 0-255 的數字，以點分隔。</translation>
    </message>
    <message>
        <source>Enter the subnet mask as four numbers 0-255 with dots between them.</source>
        <translation>請輸入子網路遮罩：四個 0-255 的數字，以點分隔。</translation>
    </message>
    <message>
        <source>Enter the port as a number, or leave it empty to keep each printer&apos;s port.</source>
        <translation>請輸入連接埠號碼；留空則保留每台印表機的連接埠。</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>未傳送</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>找不到</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>未變更</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>已拒絕</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>已確認</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>未確認</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>已驗證</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>未驗證</translation>
    </message>
    <message>
        <source>Sending to %1 (%2 of %3)…</source>
        <translation>正在傳送到 %1（第 %2 台，共 %3 台）…</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printers to restart, then searching for them again…</source>
        <translation>等待 %1 秒讓印表機重新啟動，然後再次搜尋…</translation>
    </message>
    <message>
        <source>Cancelled before anything was sent.</source>
        <translation>在傳送任何內容之前已取消。</translation>
    </message>
    <message>
        <source>Cancelled: sent to %1; the other rows were not sent.</source>
        <translation>已取消：已傳送到 %1；其餘列未傳送。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>%1 take each other&apos;s addresses in a circle, which would need a temporary address: nothing is sent to them. Give one of them an unused address first.</source>
        <translation>%1 循環互佔彼此的位址，這需要一個暫時位址：不會傳送任何內容給它們。請先為其中一台指定一個未使用的位址。</translation>
    </message>
    <message>
        <source>%1 still holds %2: its own row did not move it away, so this row was not sent.</source>
        <translation>%1 仍佔用 %2：它自己的那一列未能將其移走，因此未傳送這一列。</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>未驗證：檢查已取消。</translation>
    </message>
    <message>
        <source>The check after the change was cancelled: the confirmed printers are not verified.</source>
        <translation>變更後的檢查已取消：已確認的印表機未經驗證。</translation>
    </message>
    <message>
        <source>will not be sent</source>
        <translation>不會傳送</translation>
    </message>
    <message>
        <source>will be sent</source>
        <translation>待傳送</translation>
    </message>
    <message numerus="yes">
        <source>Done: the new address shows on %1 of %n printer(s).</source>
        <translation>
            <numerusform>完成：%n 台印表機中有 %1 台顯示新位址。</numerusform>
        </translation>
    </message>
    <message>
        <source>Send rows with conflicts too</source>
        <translation>有衝突的列也傳送</translation>
    </message>
    <message>
        <source>Enter the gateway as four numbers 0-255, or leave it empty to keep each printer&apos;s gateway.</source>
        <translation>請輸入閘道：四個 0-255 的數字；或留空以保留每台印表機的閘道。</translation>
    </message>
    <message>
        <source>mask %1</source>
        <translation>遮罩 %1</translation>
    </message>
    <message>
        <source>gateway %1</source>
        <translation>閘道 %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>連接埠 %1</translation>
    </message>
    <message>
        <source>DHCP on</source>
        <translation>DHCP 開啟</translation>
    </message>
    <message>
        <source>DHCP off</source>
        <translation>DHCP 關閉</translation>
    </message>
    <message>
        <source>Searching for the printers again: %1 of at most %2 s…</source>
        <translation>正在重新搜尋印表機：已過 %1 秒 (最多 %2 秒)…</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>印表機</translation>
    </message>
</context>
<context>
    <name>corvane::lan::DeviceListDialog</name>
    <message>
        <source>Assign addresses...</source>
        <translation>指派位址...</translation>
    </message>
    <message>
        <source>Gives the chosen printers consecutive addresses.</source>
        <translation>為所選印表機指派連續的位址。</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>到達方式</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>介面卡</translation>
    </message>
    <message>
        <source>unicast</source>
        <translation>單播</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>廣播</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Searching for the printer again: %1 of at most %2 s…</source>
        <translation>正在重新搜尋印表機：已過 %1 秒 (最多 %2 秒)…</translation>
    </message>
    <message>
        <source>Print a test page</source>
        <translation>列印測試頁</translation>
    </message>
    <message>
        <source>Prints a test page on the printer at its new address %1, port %2.</source>
        <translation>在新位址 %1、連接埠 %2 的印表機上列印測試頁。</translation>
    </message>
</context>
<context>
    <name>corvane::provision::ProvisionDialog</name>
    <message>
        <source>Provision printers</source>
        <translation>批次設定印表機</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選擇...</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>設定檔(&amp;P)：</translation>
    </message>
    <message>
        <source>Profiles (*.json)</source>
        <translation>設定檔 (*.json)</translation>
    </message>
    <message>
        <source>Printers &amp;sheet (optional):</source>
        <translation>印表機清單（選填）(&amp;S)：</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
    <message>
        <source>ttyUSB0, ttyS0</source>
        <translation>ttyUSB0, ttyS0</translation>
    </message>
    <message>
        <source>Se&amp;rial ports (optional):</source>
        <translation>序列埠（選填）(&amp;R)：</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC 位址</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>State</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Fields changed</source>
        <translation>變更欄位數</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>耗時</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>印表機</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>開始(&amp;T)</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>停止(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message>
        <source>The profile cannot be read: %1</source>
        <translation>無法讀取設定檔：%1</translation>
    </message>
    <message>
        <source>The profile cannot be used: %1</source>
        <translation>無法使用設定檔：%1</translation>
    </message>
    <message>
        <source>The printers sheet cannot be used: %1</source>
        <translation>無法使用印表機清單：%1</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>已拔除</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Configuring</source>
        <translation>正在設定</translation>
    </message>
    <message>
        <source>Done; unplug it</source>
        <translation>完成；請拔除</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Configured (profile only)</source>
        <translation>已設定 (僅設定檔)</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>已設定</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>未變更</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>失敗：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) in progress.</source>
        <translation>
            <numerusform>正在處理 %n 台印表機。</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>已停止。</translation>
    </message>
    <message numerus="yes">
        <source>Stopping: %n printer(s) still in progress.</source>
        <translation>
            <numerusform>正在停止：仍有 %n 台印表機正在處理。</numerusform>
        </translation>
    </message>
    <message>
        <source>Configured: %1, unchanged: %2, failed: %3. %4</source>
        <comment>the totals, then the state sentence</comment>
        <translation>已設定：%1，未變更：%2，失敗：%3。%4</translation>
    </message>
</context>
</TS>
