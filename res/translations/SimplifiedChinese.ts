<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutBox</name>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Sets up the network interface of Zephran POS receipt printers: Ethernet and wireless printers on the local network, and printers attached by a serial port or a USB cable.</source>
        <translation>配置 Zephran POS 小票打印机的网络接口：适用于局域网中的以太网和无线打印机，以及通过串口或 USB 线连接的打印机。</translation>
    </message>
    <message>
        <source>Copyright © Corvane Tool developers. Free software under the MIT licence.</source>
        <translation>Copyright © Corvane Tool 开发者。基于 MIT 许可证发布的自由软件。</translation>
    </message>
    <message>
        <source>About Corvane Tool</source>
        <translation>关于 Corvane Tool</translation>
    </message>
</context>
<context>
    <name>BssInfoDialog</name>
    <message>
        <source>BSS Information</source>
        <translation>BSS 信息</translation>
    </message>
    <message>
        <source>No</source>
        <translation>序号</translation>
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
        <translation>获取 BSS 信息</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>打印机检测到的接入点</translation>
    </message>
</context>
<context>
    <name>BssPage</name>
    <message>
        <source>No</source>
        <translation>序号</translation>
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
        <translation>获取 BSS 信息</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>打印机检测到的接入点</translation>
    </message>
    <message>
        <source>Use this network</source>
        <translation>使用此网络</translation>
    </message>
    <message>
        <source>Puts the chosen network&apos;s name on the Network page and, where the survey names one, its authentication on the Authentication page</source>
        <translation>将所选网络的名称填入“网络”页面；如果扫描结果列出了其认证方式，也会将该认证方式填入“认证”页面</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation>基础结构</translation>
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
        <translation>证书</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <translation>客户端密钥</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <translation>客户端 PEM</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>File Upload</source>
        <translation>上传文件</translation>
    </message>
    <message>
        <source>Original Certificate Format (*)</source>
        <translation>原始证书格式 (*)</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>证书文件</translation>
    </message>
</context>
<context>
    <name>ConfigApp</name>
    <message>
        <source>Sets up the network interface of Zephran receipt printers.</source>
        <translation>配置 Zephran 小票打印机的网络接口。</translation>
    </message>
    <message>
        <source>Show the windows in NAME instead of the system&apos;s language: en (the built-in English), a catalog name such as Japanese or German, or a locale name such as de_AT.</source>
        <translation>以 NAME 指定的语言而非系统语言显示窗口：en (内置英语)、翻译文件名称 (例如 Japanese 或 German)，或区域设置名称 (例如 de_AT)。</translation>
    </message>
    <message>
        <source>corvane-tool: the desktop tool needs a display (a desktop session, or ssh -X); for the command line see corvane --help</source>
        <translation>corvane-tool：桌面工具需要显示器（桌面会话或 ssh -X）；命令行用法见 corvane --help</translation>
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
        <translation>序号</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MAC 地址</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Configuration(Web)</source>
        <translation>Web 配置</translation>
    </message>
    <message>
        <source>BSS Info</source>
        <translation>BSS 信息</translation>
    </message>
    <message>
        <source>Certificate upload</source>
        <translation>上传证书</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printer to restart its network…</source>
        <translation>正在等待 %1 秒，以便打印机重启网络…</translation>
    </message>
    <message>
        <source>The printer %1 did not answer this search.</source>
        <translation>打印机 %1 未响应本次搜索。</translation>
    </message>
    <message>
        <source>This printer does not support changing its settings from the list.</source>
        <translation>此打印机不支持从列表更改设置。</translation>
    </message>
    <message>
        <source>This printer does not support a web page.</source>
        <translation>此打印机不支持网页。</translation>
    </message>
    <message>
        <source>This printer does not support the access point survey.</source>
        <translation>此打印机不支持接入点扫描。</translation>
    </message>
    <message>
        <source>Printers found</source>
        <translation>找到的打印机</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found.</source>
        <translation>
            <numerusform>找到 %n 台打印机。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found on %1.</source>
        <translation>
            <numerusform>在 %1 上找到 %n 台打印机。</numerusform>
        </translation>
    </message>
    <message>
        <source>Test print</source>
        <translation>测试打印</translation>
    </message>
    <message>
        <source>Prints a test page on the chosen printer over the network.</source>
        <translation>通过网络在所选打印机上打印测试页。</translation>
    </message>
    <message>
        <source>Test page sent to %1.</source>
        <translation>测试页已发送到 %1。</translation>
    </message>
    <message>
        <source>The test page was not sent to %1: %2</source>
        <translation>测试页未发送到 %1：%2</translation>
    </message>
</context>
<context>
    <name>DeviceListExport</name>
    <message>
        <source>Export...</source>
        <translation>导出...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Export the list</source>
        <translation>导出列表</translation>
    </message>
    <message>
        <source>CSV (*.csv);;JSON (*.json)</source>
        <translation>CSV (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2</source>
        <translation>无法将列表写入 %1：%2</translation>
    </message>
    <message>
        <source>The printers in the list&apos;s order, or only the chosen ones when several are chosen.</source>
        <translation>按列表顺序的打印机；选中多台时仅为选中的打印机。</translation>
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
        <translation>打印机类型</translation>
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
        <translation>通信接口</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开连接</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>This printer don&apos;t match our company name.</source>
        <translation>此打印机的制造商名称与本公司名称不符。</translation>
    </message>
    <message>
        <source>Include secrets</source>
        <translation>包含敏感信息</translation>
    </message>
    <message>
        <source>Export profile…</source>
        <translation>导出配置文件…</translation>
    </message>
    <message>
        <source>Import profile…</source>
        <translation>导入配置文件…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>配置文件 (*.json);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>导入配置文件</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>导出配置文件</translation>
    </message>
    <message>
        <source>The profile could not be saved:
%1</source>
        <translation>无法保存配置文件：
%1</translation>
    </message>
    <message>
        <source>The profile has been saved to %1 with its keys and passwords.
Only you can read the file.</source>
        <translation>已将配置文件连同密钥和密码保存到 %1。
只有您本人可以读取该文件。</translation>
    </message>
    <message>
        <source>The profile has been saved to %1.
Keys, passwords and the PIN were left out; importing the profile asks for them.</source>
        <translation>已将配置文件保存到 %1。
文件中未包含密钥、密码和 PIN 码；导入配置文件时会要求您输入。</translation>
    </message>
    <message>
        <source>The profile %1 cannot be imported:
%2</source>
        <translation>无法导入配置文件 %1：
%2</translation>
    </message>
    <message>
        <source>The profile was not imported; nothing has changed.
%1</source>
        <translation>未导入配置文件，所有设置均未更改。
%1</translation>
    </message>
    <message>
        <source>The profile has been imported. Check the pages, then press Save to write it to the printer.</source>
        <translation>已导入配置文件。请检查各页面，然后按“保存”将其写入打印机。</translation>
    </message>
    <message>
        <source>This printer has no %1; those settings were left out.</source>
        <translation>此打印机没有 %1，因此已略过这些设置。</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Connected: %1 — firmware %2, %3</source>
        <translation>已连接：%1 — 固件 %2，%3</translation>
    </message>
    <message>
        <source>newer layout</source>
        <translation>较新记录格式</translation>
    </message>
    <message>
        <source>older layout</source>
        <translation>较旧记录格式</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>正在打开 %1…</translation>
    </message>
    <message>
        <source>Checking the printer… attempt %1 of %2</source>
        <translation>正在检查打印机… 第 %1 次尝试，共 %2 次</translation>
    </message>
    <message>
        <source>Reading the printer&apos;s settings…</source>
        <translation>正在读取打印机设置…</translation>
    </message>
    <message>
        <source>Saving the settings…</source>
        <translation>正在保存设置…</translation>
    </message>
    <message>
        <source>Surveying the access points…</source>
        <translation>正在扫描接入点…</translation>
    </message>
    <message>
        <source>Uploading the certificate… part %1 of %2</source>
        <translation>正在上传证书… 第 %1 部分，共 %2 部分</translation>
    </message>
    <message>
        <source>Include fixed address</source>
        <translation>包含固定地址</translation>
    </message>
    <message>
        <source>Put this printer&apos;s address assignment (DHCP or fixed), IP address, subnet mask and gateway in the exported profile, for a printer that replaces it.</source>
        <translation>将此打印机的地址分配方式 (DHCP 或固定)、IP 地址、子网掩码和网关写入导出的配置文件，供替换它的打印机使用。</translation>
    </message>
    <message>
        <source>Put keys, passwords, the PIN and the SNMP write community in the exported profile; the file is then readable by you alone.</source>
        <translation>将密钥、密码、PIN 和 SNMP 写入团体名写入导出的配置文件；此后该文件仅您本人可读。</translation>
    </message>
    <message>
        <source>The printer confirmed the settings, but reading them back shows other values for: %1</source>
        <translation>打印机已确认设置，但回读显示以下项目的值不同：%1</translation>
    </message>
    <message>
        <source>The printer did not confirm the change, but it may have taken it. Connect again to see what it holds before trying again.</source>
        <translation>打印机未确认此更改，但可能已经采用。请重新连接，查看其中的内容后再重试。</translation>
    </message>
</context>
<context>
    <name>FindAtAddress</name>
    <message>
        <source>Find at address</source>
        <translation>按地址查找</translation>
    </message>
    <message>
        <source>Addresses to ask, such as 10.0.5.20, 10.0.5.1-40 or 10.0.5.7,10.0.6.1-9:</source>
        <translation>要查询的地址，例如 10.0.5.20、10.0.5.1-40 或 10.0.5.7,10.0.6.1-9：</translation>
    </message>
    <message>
        <source>These addresses cannot be asked: %1</source>
        <translation>无法查询以下地址：%1</translation>
    </message>
    <message>
        <source>Find at address...</source>
        <translation>按地址查找...</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The change was made, but it could not be added to the history: %1</source>
        <translation>更改已生效，但无法添加到历史记录：%1</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>不是 JSON 对象</translation>
    </message>
    <message>
        <source>no valid time</source>
        <translation>没有有效的时间</translation>
    </message>
    <message>
        <source>no outcome or no list of changes</source>
        <translation>缺少结果或更改列表</translation>
    </message>
    <message>
        <source>a change without a field name</source>
        <translation>某项更改缺少字段名称</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>%1 stayed locked by another program</source>
        <translation>%1 一直被其他程序锁定</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>line %1 of %2 skipped: %3</source>
        <translation>已跳过 %2 的第 %1 行：%3</translation>
    </message>
    <message>
        <source>The change may have reached the printer, but it could not be added to the history: %1</source>
        <translation>更改可能已到达打印机，但无法添加到历史记录：%1</translation>
    </message>
    <message>
        <source>The failed attempt could not be added to the history: %1</source>
        <translation>无法将失败的尝试添加到历史记录：%1</translation>
    </message>
    <message>
        <source>The change could not be added to the history: %1</source>
        <translation>无法将更改添加到历史记录：%1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the history is not written through links</source>
        <translation>%1 是符号链接；历史记录不会通过链接写入</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 不是普通文件</translation>
    </message>
    <message>
        <source>cannot read %1: %2 is not a folder</source>
        <translation>无法读取 %1：%2 不是文件夹</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv);;All files (*)</source>
        <translation>逗号分隔值 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>History of changes</source>
        <translation>更改历史记录</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>打印机</translation>
    </message>
    <message>
        <source>All printers</source>
        <translation>所有打印机</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>时间 (UTC)</translation>
    </message>
    <message>
        <source>Front end</source>
        <translation>前端</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Way in</source>
        <translation>连接方式</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>更改内容</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>导出 CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The history could not be exported:
%1</source>
        <translation>无法导出历史记录：
%1</translation>
    </message>
</context>
<context>
    <name>Ipv4AddressEdit</name>
    <message>
        <source>This mask is not a run of ones followed by zeros (such as 255.255.255.0).</source>
        <translation>此掩码不是由连续的 1 后接 0 组成（例如 255.255.255.0）。</translation>
    </message>
    <message>
        <source>This is the network address of the subnet its mask spans; no device can use it.</source>
        <translation>这是该掩码所涵盖子网的网络地址，任何设备都不能使用。</translation>
    </message>
    <message>
        <source>This is the broadcast address of the subnet its mask spans; no device can use it.</source>
        <translation>这是该掩码所涵盖子网的广播地址，任何设备都不能使用。</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 地址</translation>
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
        <translation>“%1”不是 IPv4 地址，也不是 A.B.C.D-E 形式的范围</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; ends before it starts</source>
        <translation>范围“%1”的结束早于开始</translation>
    </message>
    <message>
        <source>more than %1 addresses</source>
        <translation>地址超过 %1 个</translation>
    </message>
    <message>
        <source>the list has an empty entry (two commas in a row, or one at an end)</source>
        <translation>列表中有空项（连续两个逗号，或开头或结尾有逗号）</translation>
    </message>
</context>
<context>
    <name>LanSendChecks</name>
    <message>
        <source>The subnet mask %1 is not contiguous: its ones must all come before its zeros.</source>
        <translation>子网掩码 %1 不连续：所有 1 位都必须位于 0 位之前。</translation>
    </message>
    <message>
        <source>The IP address %1 is the network address of its subnet; no device can use it.</source>
        <translation>IP 地址 %1 是其所在子网的网络地址，任何设备都不能使用。</translation>
    </message>
    <message>
        <source>The IP address %1 is the broadcast address of its subnet; no device can use it.</source>
        <translation>IP 地址 %1 是其所在子网的广播地址，任何设备都不能使用。</translation>
    </message>
    <message>
        <source>The IP address %1 is reserved (%2) and cannot be a printer&apos;s address.</source>
        <translation>IP 地址 %1 是保留地址 (%2)，不能用作打印机地址。</translation>
    </message>
    <message>
        <source>The gateway %1 is outside the subnet %2 of the IP address; the printer could not reach it.</source>
        <translation>网关 %1 不在该 IP 地址的子网 %2 内，打印机将无法访问该网关。</translation>
    </message>
    <message>
        <source>The IP address %1 is already used by the printer %2 in the list.</source>
        <translation>IP 地址 %1 已被列表中的打印机 %2 使用。</translation>
    </message>
    <message>
        <source>The IP address %1 is outside the subnet %2 of this computer&apos;s address %3: this computer will no longer reach the printer without a route.</source>
        <translation>IP 地址 %1 不在本机地址 %3 的子网 %2 内：如果没有路由，本机将无法再访问该打印机。</translation>
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
        <translation>网络设置</translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation>IP 地址：</translation>
    </message>
    <message>
        <source>Subnet Mask :</source>
        <translation>子网掩码：</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>网关：</translation>
    </message>
    <message>
        <source>Local Port :</source>
        <translation>本地端口：</translation>
    </message>
    <message>
        <source> (0 ~ 32767)</source>
        <translation> (0 ~ 32767)</translation>
    </message>
    <message>
        <source>Inactivity time :
(0 ~ 3600)    </source>
        <translation>空闲时间：
(0 ~ 3600)    </translation>
    </message>
    <message>
        <source>sec (Default: 0)</source>
        <translation>秒 (默认值：0)</translation>
    </message>
    <message>
        <source>DHCP Mode</source>
        <translation>DHCP 模式</translation>
    </message>
    <message>
        <source>Device Baudrate :</source>
        <translation>设备波特率：</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>WLAN 配置</translation>
    </message>
    <message>
        <source>Ethernet Configuration</source>
        <translation>以太网配置</translation>
    </message>
    <message>
        <source>TCP port, up to 32767</source>
        <translation>TCP 端口，最大 32767</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>秒数，0 到 3600</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>固件版本：</translation>
    </message>
    <message>
        <source>The settings to be sent give these warnings:</source>
        <translation>要发送的设置存在以下警告：</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>仍然保存</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>The settings to be sent conflict with the network or another printer:</source>
        <translation>要发送的设置与网络或其他打印机冲突：</translation>
    </message>
    <message>
        <source>Save despite the conflicts</source>
        <translation>忽略冲突并保存</translation>
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
        <translation>以太网配置
(以太网)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(WLAN)</source>
        <translation>WLAN 配置
(WLAN)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(USB)</source>
        <translation>WLAN 配置
(USB)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>历史记录…</translation>
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
        <translation>IP 地址 - </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Addresses of this computer</source>
        <translation>本机地址</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>所有地址</translation>
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
        <translation>网络模式</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>基础结构网络</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>Ad-Hoc</translation>
    </message>
    <message>
        <source>Ad Hoc Channel</source>
        <translation>Ad-Hoc 信道</translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <translation>Wi-Fi Direct</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Conn Mode</source>
        <translation>连接模式</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN 码</translation>
    </message>
    <message>
        <source>IP Assignment Method</source>
        <translation>IP 分配方式</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>自动分配 (DHCP)</translation>
    </message>
    <message>
        <source>Manual Allocation</source>
        <translation>手动分配</translation>
    </message>
    <message>
        <source>Network Setting</source>
        <translation>网络设置</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Inactivity Time (0~3600)</source>
        <translation>空闲时间 (0~3600)</translation>
    </message>
    <message>
        <source>Sec (Default: 0)</source>
        <translation>秒 (默认值：0)</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>Channel, 1 to 14</source>
        <translation>信道，1 到 14</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>秒数，0 到 3600</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>Permission denied: add your user to the &apos;dialout&apos; group (serial) or &apos;lp&apos; group (USB printer), then log in again</source>
        <translation>权限被拒绝：请将您的用户加入 &apos;dialout&apos; 组 (串口) 或 &apos;lp&apos; 组 (USB 打印机)，然后重新登录</translation>
    </message>
    <message>
        <source>Your user needs to be in the group &apos;%1&apos; that owns %2: run &quot;sudo usermod -aG %1 $USER&quot;, then log in again.</source>
        <translation>您的用户必须属于拥有 %2 的组 &apos;%1&apos;：请运行 &quot;sudo usermod -aG %1 $USER&quot;，然后重新登录。</translation>
    </message>
    <message>
        <source>No printer is ready on this line: its DSR or CTS signal is off.</source>
        <translation>此线路上没有就绪的打印机：DSR 或 CTS 信号处于关闭状态。</translation>
    </message>
    <message>
        <source>The port does not take the printer&apos;s line settings (115200 baud, 8 data bits, no parity, 1 stop bit, RTS/CTS).</source>
        <translation>该端口不支持打印机的通信参数 (115200 波特、8 位数据位、无校验、1 位停止位、RTS/CTS)。</translation>
    </message>
    <message>
        <source>The device is in use by another program.</source>
        <translation>该设备正被其他程序占用。</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>&quot;%1&quot; 必须是文本</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number</source>
        <translation>&quot;%1&quot; 必须是整数</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a dotted IPv4 address such as &quot;192.168.0.10&quot;</source>
        <translation>&quot;%1&quot; 必须是点分十进制格式的 IPv4 地址，例如 &quot;192.168.0.10&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a value of the wrong kind</source>
        <translation>&quot;%1&quot; 的值类型错误</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than its %2 bytes</source>
        <translation>&quot;%1&quot; 超过了其 %2 字节的上限</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not contain a zero character</source>
        <translation>&quot;%1&quot; 不能包含空字符 (NUL)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from 0 to %2</source>
        <translation>&quot;%1&quot; 必须是 0 到 %2 之间的整数</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to one printer and is never part of a profile</source>
        <translation>&quot;%1&quot; 是单台打印机专有的设置，不会包含在配置文件中</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a profile</source>
        <translation>&quot;%1&quot; 不是配置文件中的设置项</translation>
    </message>
    <message>
        <source>not valid JSON (%1 at offset %2)</source>
        <translation>不是有效的 JSON (%1，偏移量 %2)</translation>
    </message>
    <message>
        <source>the file must hold one JSON object</source>
        <translation>文件必须只包含一个 JSON 对象</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot; (a profile holds &quot;format&quot; and &quot;config&quot;)</source>
        <translation>未知的键名 &quot;%1&quot; (配置文件包含 &quot;format&quot; 和 &quot;config&quot;)</translation>
    </message>
    <message>
        <source>&quot;format&quot; must be &quot;%1&quot;</source>
        <translation>&quot;format&quot; 必须为 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file has no &quot;config&quot; object</source>
        <translation>文件中没有 &quot;config&quot; 对象</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: Wi-Fi Direct needs a printer with the newer record layout</source>
        <translation>&quot;%1&quot;：Wi-Fi Direct 需要采用较新记录格式的打印机</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears more than once</source>
        <translation>键“%1”出现了不止一次</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a secret; a secrets file holds only %2</source>
        <translation>“%1”不是敏感信息；敏感信息文件只包含 %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the profile would fix this DHCP printer at the address it holds now; a profile that changes the address assignment needs the address too (export with the address)</source>
        <translation>“%1”：此配置文件会把这台 DHCP 打印机固定在其当前地址；更改地址分配方式的配置文件还需要包含地址 (请连同地址一起导出)</translation>
    </message>
</context>
<context>
    <name>ProtocolPage</name>
    <message>
        <source>Task State</source>
        <translation>服务状态</translation>
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
        <translation>读团体名：</translation>
    </message>
    <message>
        <source>Community Name (Write):</source>
        <translation>写团体名：</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>Trap IP 地址</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>Trap 团体名</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Search...</source>
        <translation>搜索...</translation>
    </message>
    <message>
        <source>Searching.</source>
        <translation>正在搜索。</translation>
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
        <translation>显示</translation>
    </message>
    <message>
        <source>Show or hide what is typed</source>
        <translation>显示或隐藏输入的内容</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>显示%1</translation>
    </message>
</context>
<context>
    <name>SecretsDialog</name>
    <message>
        <source>WEP Key</source>
        <translation>WEP 密钥</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>PSK 密钥</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN 码</translation>
    </message>
    <message>
        <source>The profile leaves out these secrets. Enter them for this printer:</source>
        <translation>配置文件未包含以下敏感信息。请为此打印机输入：</translation>
    </message>
</context>
<context>
    <name>SecurityPage</name>
    <message>
        <source>Authentication</source>
        <translation>认证</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>开放系统</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>共享密钥</translation>
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
        <translation>无</translation>
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
        <translation>WEP 密钥</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>PSK 密钥</translation>
    </message>
    <message>
        <source>Authentication ID</source>
        <translation>认证 ID</translation>
    </message>
    <message>
        <source>Authentication Password</source>
        <translation>认证密码</translation>
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
        <translation>序号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>打印机名称</translation>
    </message>
    <message>
        <source>Printer Port Num</source>
        <translation>打印机端口号</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>用户 ID</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>用户密码</translation>
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
        <translation>写团体名</translation>
    </message>
    <message>
        <source>Get Community</source>
        <translation>读团体名</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>Trap IP 地址</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>Trap 团体名</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>网络模式</translation>
    </message>
    <message>
        <source>Adhoc Channel</source>
        <translation>Ad-Hoc 信道</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>空闲时间</translation>
    </message>
    <message>
        <source>IP Assignment method</source>
        <translation>IP 分配方式</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>认证</translation>
    </message>
    <message>
        <source>Cryptograph</source>
        <translation>加密方式</translation>
    </message>
    <message>
        <source>WEP Key</source>
        <translation>WEP 密钥</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>PSK 密钥</translation>
    </message>
    <message>
        <source>EAP Mode</source>
        <translation>EAP 模式</translation>
    </message>
    <message>
        <source>Auth ID</source>
        <translation>认证 ID</translation>
    </message>
    <message>
        <source>Auth Password/Certification Key(EAP-TLS)</source>
        <translation>认证密码/证书密钥 (EAP-TLS)</translation>
    </message>
    <message>
        <source>P2P Conn Mode</source>
        <translation>P2P 连接模式</translation>
    </message>
    <message>
        <source>P2P Channel</source>
        <translation>P2P 信道</translation>
    </message>
    <message>
        <source>P2P Pin Code</source>
        <translation>P2P PIN 码</translation>
    </message>
    <message>
        <source>Settings written to the printer</source>
        <translation>已写入打印机的设置</translation>
    </message>
    <message>
        <source>&amp;Show secrets</source>
        <translation>显示敏感信息(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copies every row, tab-separated, as shown</source>
        <translation>按显示内容复制所有行，以制表符分隔</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The BSS information has been imported successfully.</source>
        <translation>已成功获取 BSS 信息。</translation>
    </message>
    <message>
        <source>Failed to import the BSS information.
Please check the IP address or port number to connect to.</source>
        <translation>获取 BSS 信息失败。
请检查要连接的 IP 地址或端口号。</translation>
    </message>
    <message>
        <source>Failed to connect to the printer.</source>
        <translation>无法连接到打印机。</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Reset the printer.</source>
        <translation>配置已完成。
请重启打印机。</translation>
    </message>
    <message>
        <source>The configuration has failed.</source>
        <translation>配置失败。</translation>
    </message>
    <message>
        <source>Unable to open the port.</source>
        <translation>无法打开端口。</translation>
    </message>
    <message>
        <source>The User ID is incorrect.
Please try again.</source>
        <translation>用户 ID 不正确。
请重试。</translation>
    </message>
    <message>
        <source>The Password is incorrect.
Please try again.</source>
        <translation>密码不正确。
请重试。</translation>
    </message>
    <message>
        <source>The system name is incorrect.
Please try again.</source>
        <translation>系统名称不正确。
请重试。</translation>
    </message>
    <message>
        <source>The port number is incorrect.
Please try again.</source>
        <translation>端口号不正确。
请重试。</translation>
    </message>
    <message>
        <source>The community name is incorrect.
Please try again.</source>
        <translation>团体名不正确。
请重试。</translation>
    </message>
    <message>
        <source>The trap community is incorrect.
Please try again.</source>
        <translation>Trap 团体名不正确。
请重试。</translation>
    </message>
    <message>
        <source>The Adhoc channel is incorrect.
Please try again.</source>
        <translation>Ad-Hoc 信道不正确。
请重试。</translation>
    </message>
    <message>
        <source>The SSID is incorrect.
Please try again.</source>
        <translation>SSID 不正确。
请重试。</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
Please try again.</source>
        <translation>PSK 密钥不正确。
请重试。</translation>
    </message>
    <message>
        <source>The certificate ID is incorrect.
Please try again.</source>
        <translation>证书 ID 不正确。
请重试。</translation>
    </message>
    <message>
        <source>The certificate password is incorrect.
Please try again.</source>
        <translation>证书密码不正确。
请重试。</translation>
    </message>
    <message>
        <source>The printer has been connected successfully.</source>
        <translation>已成功连接到打印机。</translation>
    </message>
    <message>
        <source>The certificate document has been uploaded successfully.
Reset the printer.</source>
        <translation>证书文件已成功上传。
请重启打印机。</translation>
    </message>
    <message>
        <source>Failed to upload the certificate document.
Reset the printer.</source>
        <translation>证书文件上传失败。
请重启打印机。</translation>
    </message>
    <message>
        <source>The maximum size of a certificate file is 3KB.</source>
        <translation>证书文件最大为 3KB。</translation>
    </message>
    <message>
        <source>The certificate file is selected.</source>
        <translation>已选择证书文件。</translation>
    </message>
    <message>
        <source>The certificate file is invalid.</source>
        <translation>证书文件无效。</translation>
    </message>
    <message>
        <source>No certificate file is selected or the selected file is invalid.</source>
        <translation>未选择证书文件，或所选文件无效。</translation>
    </message>
    <message>
        <source>The Adhoc mode is not available.
Authentication is allowed in either Open System or Shared Key.</source>
        <translation>无法使用 Ad-Hoc 模式。
认证方式只能为开放系统或共享密钥。</translation>
    </message>
    <message>
        <source>Failed to read the certificate file.</source>
        <translation>无法读取证书文件。</translation>
    </message>
    <message>
        <source>Please select a device in the list.</source>
        <translation>请在列表中选择设备。</translation>
    </message>
    <message>
        <source>Please search for a device again.</source>
        <translation>请重新搜索设备。</translation>
    </message>
    <message>
        <source>Error: Failed to read the list of information.</source>
        <translation>错误：无法读取信息列表。</translation>
    </message>
    <message>
        <source>Please check the IP address or port number.</source>
        <translation>请检查 IP 地址或端口号。</translation>
    </message>
    <message>
        <source>The specified port is not available.
Please enter a port number again.</source>
        <translation>指定的端口不可用。
请重新输入端口号。</translation>
    </message>
    <message>
        <source>The IP address cannot be used.
Please enter an IP address again.</source>
        <translation>无法使用该 IP 地址。
请重新输入 IP 地址。</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>配置已完成。
如果列表未刷新，请重新搜索设备。</translation>
    </message>
    <message>
        <source>The WLAN configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>WLAN 配置已完成。
如果列表未刷新，请重新搜索设备。</translation>
    </message>
    <message>
        <source>Unable to configure the port.
Please enter a port number again.(0~32767)</source>
        <translation>无法设置端口。
请重新输入端口号 (0~32767)。</translation>
    </message>
    <message>
        <source>Unable to save the configuration.
Please configure again.</source>
        <translation>无法保存配置。
请重新配置。</translation>
    </message>
    <message>
        <source>The time has not been set.
Please enter time again.</source>
        <translation>未设置时间。
请重新输入时间。</translation>
    </message>
    <message>
        <source>The channel number has not been set.
Please enter a channel number again.(0~14)</source>
        <translation>未设置信道号。
请重新输入信道号 (0~14)。</translation>
    </message>
    <message>
        <source>Network is in Adhoc mode.
You must assign IP address manually.</source>
        <translation>网络处于 Ad-Hoc 模式。
必须手动分配 IP 地址。</translation>
    </message>
    <message>
        <source>Unable to connect to the USB device.</source>
        <translation>无法连接到 USB 设备。</translation>
    </message>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Now Searching</source>
        <translation>正在搜索</translation>
    </message>
    <message>
        <source>System &amp; Information</source>
        <translation>系统与信息</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <translation>BSS 信息</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>认证</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>协议</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>开放系统</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>共享密钥</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>基础结构网络</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>Ad-Hoc</translation>
    </message>
    <message>
        <source>Manual allocation</source>
        <translation>手动分配</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>自动分配 (DHCP)</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
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
        <translation>认证密码</translation>
    </message>
    <message>
        <source>Certification Password</source>
        <translation>证书密码</translation>
    </message>
    <message>
        <source>Incorrect PIN. Please re-enter your PIN Code.</source>
        <translation>PIN 码不正确。请重新输入 PIN 码。</translation>
    </message>
    <message>
        <source>Currently no network connection is found. Check the network connection.</source>
        <translation>当前未找到网络连接。请检查网络连接。</translation>
    </message>
    <message>
        <source>The text is too long for the printer.
Please shorten it (some characters take more than one byte).</source>
        <translation>文本超出打印机允许的长度。
请缩短文本 (部分字符会占用多个字节)。</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
It must be 8 to 63 printable ASCII characters or 64 hexadecimal digits.</source>
        <translation>PSK 密钥不正确。
PSK 密钥必须为 8 到 63 个可打印 ASCII 字符，或 64 位十六进制数字。</translation>
    </message>
    <message>
        <source>This setting cannot be chosen together with the other settings.
Please check the settings and try again.</source>
        <translation>此设置无法与其他设置同时选择。
请检查设置后重试。</translation>
    </message>
    <message>
        <source>The search could not start.
%1</source>
        <translation>无法开始搜索。
%1</translation>
    </message>
    <message>
        <source>The settings could not be sent.
%1</source>
        <translation>无法发送设置。
%1</translation>
    </message>
    <message>
        <source>The local address %1 cannot be used.</source>
        <translation>无法使用本地地址 %1。</translation>
    </message>
    <message>
        <source>The local UDP port %1 cannot be used.</source>
        <translation>无法使用本地 UDP 端口 %1。</translation>
    </message>
    <message>
        <source>The request could not leave this computer: %1</source>
        <translation>无法从本机发出请求：%1</translation>
    </message>
    <message>
        <source>No web browser could be opened.
Please open this address in a web browser:
%1</source>
        <translation>无法打开网页浏览器。
请在网页浏览器中打开此地址：
%1</translation>
    </message>
    <message>
        <source>The printer has no IP address configured.
Its web page cannot be opened.</source>
        <translation>打印机未设置 IP 地址。
无法打开打印机的网页。</translation>
    </message>
    <message>
        <source>This printer does not offer Setting (feature code %1).</source>
        <translation>此打印机不支持“设置”功能 (功能代码 %1)。</translation>
    </message>
    <message>
        <source>Discard the changes made since Connect?</source>
        <translation>要丢弃连接后所做的更改吗？</translation>
    </message>
    <message>
        <source>WEP Key is invalid.
WEP Key must be 5 or 13 characters, or 10 or 26 hexadecimal digits.</source>
        <translation>WEP 密钥无效。
WEP 密钥必须为 5 或 13 个字符，或 10 或 26 位十六进制数字。</translation>
    </message>
    <message>
        <source>Certification</source>
        <translation>证书</translation>
    </message>
    <message>
        <source>The subnet mask is not valid: its ones must all come before its zeros.
Please enter the subnet mask again.</source>
        <translation>子网掩码无效：所有 1 位都必须位于 0 位之前。
请重新输入子网掩码。</translation>
    </message>
    <message>
        <source>UDP port %1 is in use by another program.</source>
        <translation>UDP 端口 %1 正被其他程序占用。</translation>
    </message>
    <message>
        <source>The requests cannot be kept to interface %1: %2</source>
        <translation>无法将请求限制在接口 %1 上：%2</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>打印机名称</translation>
    </message>
    <message>
        <source>Printer Port Num (0 ~ 32767)</source>
        <translation>打印机端口号 (0 ~ 32767)</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>用户 ID</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>用户密码</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>确认密码</translation>
    </message>
    <message>
        <source>Firmware Information</source>
        <translation>固件信息</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>固件版本：</translation>
    </message>
    <message>
        <source>Update Date :</source>
        <translation>更新日期：</translation>
    </message>
    <message>
        <source>Mac Address :</source>
        <translation>MAC 地址：</translation>
    </message>
    <message>
        <source>TCP port, 0 to 32767</source>
        <translation>TCP 端口，0 到 32767</translation>
    </message>
</context>
<context>
    <name>VerificationNote</name>
    <message>
        <source>IP address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>subnet mask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>gateway</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>inactivity time</source>
        <translation>空闲时间</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>baud rate code</source>
        <translation>波特率代码</translation>
    </message>
    <message>
        <source>Not verified: the printer did not answer the search after the change.</source>
        <translation>未验证：更改后打印机未响应搜索。</translation>
    </message>
    <message>
        <source>Verified: now at %1, port %2</source>
        <translation>已验证：当前地址为 %1，端口 %2</translation>
    </message>
    <message>
        <source>%1 %2 instead of %3</source>
        <translation>%1 为 %2，而非 %3</translation>
    </message>
    <message>
        <source>Not verified: the printer reports %1.</source>
        <translation>未验证：打印机报告 %1。</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>未验证：检查已取消。</translation>
    </message>
    <message>
        <source>Not verified: DHCP is on and the printer has no address yet.</source>
        <translation>未验证：DHCP 已开启，打印机尚无地址。</translation>
    </message>
</context>
<context>
    <name>corvane::app::LauncherDialog</name>
    <message>
        <source>Provision printers...</source>
        <translation>批量配置打印机...</translation>
    </message>
</context>
<context>
    <name>corvane::lan::AssignAddressesDialog</name>
    <message>
        <source>Assign addresses</source>
        <translation>分配地址</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>起始地址</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Gateway (optional)</source>
        <translation>网关（可选）</translation>
    </message>
    <message>
        <source>Port (optional)</source>
        <translation>端口（可选）</translation>
    </message>
    <message>
        <source>Send rows with warnings too</source>
        <translation>也发送有警告的行</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MAC 地址</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新地址</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Enter the first address as four numbers 0-255 with dots between them.</source>
        <translation>请输入起始地址：四个 0-255 的数字，以点分隔。</translation>
    </message>
    <message>
        <source>Enter the subnet mask as four numbers 0-255 with dots between them.</source>
        <translation>请输入子网掩码：四个 0-255 的数字，以点分隔。</translation>
    </message>
    <message>
        <source>Enter the port as a number, or leave it empty to keep each printer&apos;s port.</source>
        <translation>请输入端口号；留空则保留每台打印机的端口。</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>未发送</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>未更改</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>已拒绝</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>已确认</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>未确认</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>已验证</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>未验证</translation>
    </message>
    <message>
        <source>Sending to %1 (%2 of %3)…</source>
        <translation>正在发送到 %1（第 %2 台，共 %3 台）…</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printers to restart, then searching for them again…</source>
        <translation>等待 %1 秒让打印机重新启动，然后再次搜索…</translation>
    </message>
    <message>
        <source>Cancelled before anything was sent.</source>
        <translation>在发送任何内容之前已取消。</translation>
    </message>
    <message>
        <source>Cancelled: sent to %1; the other rows were not sent.</source>
        <translation>已取消：已发送到 %1；其余行未发送。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 take each other&apos;s addresses in a circle, which would need a temporary address: nothing is sent to them. Give one of them an unused address first.</source>
        <translation>%1 循环互占彼此的地址，这需要一个临时地址：不会向它们发送任何内容。请先为其中一台指定一个未使用的地址。</translation>
    </message>
    <message>
        <source>%1 still holds %2: its own row did not move it away, so this row was not sent.</source>
        <translation>%1 仍占用 %2：它自己的那一行未能将其移走，因此未发送这一行。</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>未验证：检查已取消。</translation>
    </message>
    <message>
        <source>The check after the change was cancelled: the confirmed printers are not verified.</source>
        <translation>更改后的检查已取消：已确认的打印机未经验证。</translation>
    </message>
    <message>
        <source>will not be sent</source>
        <translation>不会发送</translation>
    </message>
    <message>
        <source>will be sent</source>
        <translation>待发送</translation>
    </message>
    <message numerus="yes">
        <source>Done: the new address shows on %1 of %n printer(s).</source>
        <translation>
            <numerusform>完成：%n 台打印机中有 %1 台显示新地址。</numerusform>
        </translation>
    </message>
    <message>
        <source>Send rows with conflicts too</source>
        <translation>也发送有冲突的行</translation>
    </message>
    <message>
        <source>Enter the gateway as four numbers 0-255, or leave it empty to keep each printer&apos;s gateway.</source>
        <translation>请输入网关：四个 0-255 的数字；或留空以保留每台打印机的网关。</translation>
    </message>
    <message>
        <source>mask %1</source>
        <translation>掩码 %1</translation>
    </message>
    <message>
        <source>gateway %1</source>
        <translation>网关 %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>端口 %1</translation>
    </message>
    <message>
        <source>DHCP on</source>
        <translation>DHCP 开启</translation>
    </message>
    <message>
        <source>DHCP off</source>
        <translation>DHCP 关闭</translation>
    </message>
    <message>
        <source>Searching for the printers again: %1 of at most %2 s…</source>
        <translation>正在重新搜索打印机：已用 %1 秒 (最多 %2 秒)…</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>打印机</translation>
    </message>
</context>
<context>
    <name>corvane::lan::DeviceListDialog</name>
    <message>
        <source>Assign addresses...</source>
        <translation>分配地址...</translation>
    </message>
    <message>
        <source>Gives the chosen printers consecutive addresses.</source>
        <translation>为所选打印机分配连续的地址。</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>到达方式</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>适配器</translation>
    </message>
    <message>
        <source>unicast</source>
        <translation>单播</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>广播</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Searching for the printer again: %1 of at most %2 s…</source>
        <translation>正在重新搜索打印机：已用 %1 秒 (最多 %2 秒)…</translation>
    </message>
    <message>
        <source>Print a test page</source>
        <translation>打印测试页</translation>
    </message>
    <message>
        <source>Prints a test page on the printer at its new address %1, port %2.</source>
        <translation>在新地址 %1、端口 %2 的打印机上打印测试页。</translation>
    </message>
</context>
<context>
    <name>corvane::provision::ProvisionDialog</name>
    <message>
        <source>Provision printers</source>
        <translation>批量配置打印机</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>选择...</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>配置文件(&amp;P)：</translation>
    </message>
    <message>
        <source>Profiles (*.json)</source>
        <translation>配置文件 (*.json)</translation>
    </message>
    <message>
        <source>Printers &amp;sheet (optional):</source>
        <translation>打印机列表（可选）(&amp;S)：</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>ttyUSB0, ttyS0</source>
        <translation>ttyUSB0, ttyS0</translation>
    </message>
    <message>
        <source>Se&amp;rial ports (optional):</source>
        <translation>串口（可选）(&amp;R)：</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC 地址</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Fields changed</source>
        <translation>更改字段数</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>用时</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>打印机</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>开始(&amp;T)</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>停止(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>The profile cannot be read: %1</source>
        <translation>无法读取配置文件：%1</translation>
    </message>
    <message>
        <source>The profile cannot be used: %1</source>
        <translation>无法使用配置文件：%1</translation>
    </message>
    <message>
        <source>The printers sheet cannot be used: %1</source>
        <translation>无法使用打印机列表：%1</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>已拔出</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Configuring</source>
        <translation>正在配置</translation>
    </message>
    <message>
        <source>Done; unplug it</source>
        <translation>完成；请拔出</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Configured (profile only)</source>
        <translation>已配置 (仅配置文件)</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>已配置</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>未更改</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) in progress.</source>
        <translation>
            <numerusform>正在处理 %n 台打印机。</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>已停止。</translation>
    </message>
    <message numerus="yes">
        <source>Stopping: %n printer(s) still in progress.</source>
        <translation>
            <numerusform>正在停止：仍有 %n 台打印机正在处理。</numerusform>
        </translation>
    </message>
    <message>
        <source>Configured: %1, unchanged: %2, failed: %3. %4</source>
        <comment>the totals, then the state sentence</comment>
        <translation>已配置：%1，未更改：%2，失败：%3。%4</translation>
    </message>
</context>
</TS>
