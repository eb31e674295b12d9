<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutBox</name>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Sets up the network interface of Zephran POS receipt printers: Ethernet and wireless printers on the local network, and printers attached by a serial port or a USB cable.</source>
        <translation>Zephran POS レシートプリンターのネットワークインターフェイスを設定します。対象は、ローカルネットワーク上のイーサネットおよび無線 LAN プリンターと、シリアルポートまたは USB ケーブルで接続したプリンターです。</translation>
    </message>
    <message>
        <source>Copyright © Corvane Tool developers. Free software under the MIT licence.</source>
        <translation>Copyright © Corvane Tool 開発者。MIT ライセンスで提供されるフリーソフトウェアです。</translation>
    </message>
    <message>
        <source>About Corvane Tool</source>
        <translation>Corvane Tool のバージョン情報</translation>
    </message>
</context>
<context>
    <name>BssInfoDialog</name>
    <message>
        <source>BSS Information</source>
        <translation>BSS 情報</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No.</translation>
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
        <translation>モード</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>BSS 情報の取得</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>プリンターから見えるアクセスポイント</translation>
    </message>
</context>
<context>
    <name>BssPage</name>
    <message>
        <source>No</source>
        <translation>No.</translation>
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
        <translation>モード</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>BSS 情報の取得</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>プリンターから見えるアクセスポイント</translation>
    </message>
    <message>
        <source>Use this network</source>
        <translation>このネットワークを使用</translation>
    </message>
    <message>
        <source>Puts the chosen network&apos;s name on the Network page and, where the survey names one, its authentication on the Authentication page</source>
        <translation>選択したネットワークの名前を「ネットワーク」ページに入力し、検索結果に認証方式が示されている場合は、その認証方式を「認証」ページに設定します</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation>インフラストラクチャ</translation>
    </message>
    <message>
        <source>Ad hoc</source>
        <translation>アドホック</translation>
    </message>
</context>
<context>
    <name>CertificatePage</name>
    <message>
        <source>Certificate</source>
        <translation>証明書</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <translation>クライアントキー</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <translation>クライアント PEM</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>File Upload</source>
        <translation>ファイルのアップロード</translation>
    </message>
    <message>
        <source>Original Certificate Format (*)</source>
        <translation>元の証明書形式 (*)</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>証明書ファイル</translation>
    </message>
</context>
<context>
    <name>ConfigApp</name>
    <message>
        <source>Sets up the network interface of Zephran receipt printers.</source>
        <translation>Zephran レシートプリンターのネットワークインターフェイスを設定します。</translation>
    </message>
    <message>
        <source>Show the windows in NAME instead of the system&apos;s language: en (the built-in English), a catalog name such as Japanese or German, or a locale name such as de_AT.</source>
        <translation>システムの言語の代わりに NAME で指定した言語でウィンドウを表示します：en (組み込みの英語)、Japanese や German などの翻訳カタログ名、または de_AT などのロケール名を指定できます。</translation>
    </message>
    <message>
        <source>corvane-tool: the desktop tool needs a display (a desktop session, or ssh -X); for the command line see corvane --help</source>
        <translation>corvane-tool：デスクトップツールにはディスプレイが必要です (デスクトップセッション、または ssh -X)。コマンドラインについては corvane --help を参照してください</translation>
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
        <translation>No.</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MAC アドレス</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP アドレス</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>サブネットマスク</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>ゲートウェイ</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
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
        <translation>BSS 情報</translation>
    </message>
    <message>
        <source>Certificate upload</source>
        <translation>証明書のアップロード</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printer to restart its network…</source>
        <translation>プリンターのネットワークが再起動するまで %1 秒待機しています…</translation>
    </message>
    <message>
        <source>The printer %1 did not answer this search.</source>
        <translation>プリンター %1 はこの検索に応答しませんでした。</translation>
    </message>
    <message>
        <source>This printer does not support changing its settings from the list.</source>
        <translation>このプリンターは一覧からの設定変更に対応していません。</translation>
    </message>
    <message>
        <source>This printer does not support a web page.</source>
        <translation>このプリンターは Web ページに対応していません。</translation>
    </message>
    <message>
        <source>This printer does not support the access point survey.</source>
        <translation>このプリンターはアクセスポイントの検索に対応していません。</translation>
    </message>
    <message>
        <source>Printers found</source>
        <translation>見つかったプリンター</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found.</source>
        <translation>
            <numerusform>プリンターが %n 台見つかりました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found on %1.</source>
        <translation>
            <numerusform>%1 でプリンターが %n 台見つかりました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Test print</source>
        <translation>テスト印刷</translation>
    </message>
    <message>
        <source>Prints a test page on the chosen printer over the network.</source>
        <translation>選択したプリンターでネットワーク経由でテストページを印刷します。</translation>
    </message>
    <message>
        <source>Test page sent to %1.</source>
        <translation>テストページを %1 に送信しました。</translation>
    </message>
    <message>
        <source>The test page was not sent to %1: %2</source>
        <translation>テストページを %1 に送信できませんでした：%2</translation>
    </message>
</context>
<context>
    <name>DeviceListExport</name>
    <message>
        <source>Export...</source>
        <translation>エクスポート...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Export the list</source>
        <translation>一覧のエクスポート</translation>
    </message>
    <message>
        <source>CSV (*.csv);;JSON (*.json)</source>
        <translation>CSV (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2</source>
        <translation>一覧を %1 に書き込めませんでした：%2</translation>
    </message>
    <message>
        <source>The printers in the list&apos;s order, or only the chosen ones when several are chosen.</source>
        <translation>一覧の並び順のプリンター。複数選択されている場合は選択したものだけ。</translation>
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
        <translation>プリンターの種類</translation>
    </message>
    <message>
        <source>POS</source>
        <translation>POS</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>通信インターフェイス</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>シリアル</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>This printer don&apos;t match our company name.</source>
        <translation>このプリンターのメーカー名が当社名と一致しません。</translation>
    </message>
    <message>
        <source>Include secrets</source>
        <translation>機密情報を含める</translation>
    </message>
    <message>
        <source>Export profile…</source>
        <translation>プロファイルのエクスポート…</translation>
    </message>
    <message>
        <source>Import profile…</source>
        <translation>プロファイルのインポート…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>プロファイル (*.json);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>プロファイルのインポート</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>プロファイルのエクスポート</translation>
    </message>
    <message>
        <source>The profile could not be saved:
%1</source>
        <translation>プロファイルを保存できませんでした：
%1</translation>
    </message>
    <message>
        <source>The profile has been saved to %1 with its keys and passwords.
Only you can read the file.</source>
        <translation>キーとパスワードを含めてプロファイルを %1 に保存しました。
このファイルを読み取れるのはご自身のユーザーのみです。</translation>
    </message>
    <message>
        <source>The profile has been saved to %1.
Keys, passwords and the PIN were left out; importing the profile asks for them.</source>
        <translation>プロファイルを %1 に保存しました。
キー、パスワード、PIN は含まれていません。プロファイルをインポートするときに入力を求められます。</translation>
    </message>
    <message>
        <source>The profile %1 cannot be imported:
%2</source>
        <translation>プロファイル %1 をインポートできません：
%2</translation>
    </message>
    <message>
        <source>The profile was not imported; nothing has changed.
%1</source>
        <translation>プロファイルはインポートされませんでした。設定は変更されていません。
%1</translation>
    </message>
    <message>
        <source>The profile has been imported. Check the pages, then press Save to write it to the printer.</source>
        <translation>プロファイルをインポートしました。各ページを確認してから「保存」を押して、プリンターに書き込んでください。</translation>
    </message>
    <message>
        <source>This printer has no %1; those settings were left out.</source>
        <translation>このプリンターには %1 がないため、該当する設定は除外しました。</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>Connected: %1 — firmware %2, %3</source>
        <translation>接続済み：%1 — ファームウェア %2、%3</translation>
    </message>
    <message>
        <source>newer layout</source>
        <translation>新しいレコード形式</translation>
    </message>
    <message>
        <source>older layout</source>
        <translation>古いレコード形式</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>%1 を開いています…</translation>
    </message>
    <message>
        <source>Checking the printer… attempt %1 of %2</source>
        <translation>プリンターを確認しています… 試行 %1/%2</translation>
    </message>
    <message>
        <source>Reading the printer&apos;s settings…</source>
        <translation>プリンターの設定を読み込んでいます…</translation>
    </message>
    <message>
        <source>Saving the settings…</source>
        <translation>設定を保存しています…</translation>
    </message>
    <message>
        <source>Surveying the access points…</source>
        <translation>アクセスポイントを検索しています…</translation>
    </message>
    <message>
        <source>Uploading the certificate… part %1 of %2</source>
        <translation>証明書をアップロードしています… パート %1/%2</translation>
    </message>
    <message>
        <source>Include fixed address</source>
        <translation>固定アドレスを含める</translation>
    </message>
    <message>
        <source>Put this printer&apos;s address assignment (DHCP or fixed), IP address, subnet mask and gateway in the exported profile, for a printer that replaces it.</source>
        <translation>このプリンターのアドレス割り当て (DHCP または固定)、IP アドレス、サブネットマスク、ゲートウェイをエクスポートするプロファイルに含めます。このプリンターを置き換えるプリンター用です。</translation>
    </message>
    <message>
        <source>Put keys, passwords, the PIN and the SNMP write community in the exported profile; the file is then readable by you alone.</source>
        <translation>キー、パスワード、PIN、SNMP 書き込みコミュニティをエクスポートするプロファイルに含めます。このファイルはあなただけが読み取れるようになります。</translation>
    </message>
    <message>
        <source>The printer confirmed the settings, but reading them back shows other values for: %1</source>
        <translation>プリンターは設定を確認しましたが、読み戻すと次の項目の値が異なります：%1</translation>
    </message>
    <message>
        <source>The printer did not confirm the change, but it may have taken it. Connect again to see what it holds before trying again.</source>
        <translation>プリンターは変更を確認しませんでしたが、変更が反映されている可能性があります。やり直す前に、もう一度接続してプリンターの内容を確認してください。</translation>
    </message>
</context>
<context>
    <name>FindAtAddress</name>
    <message>
        <source>Find at address</source>
        <translation>アドレスで検索</translation>
    </message>
    <message>
        <source>Addresses to ask, such as 10.0.5.20, 10.0.5.1-40 or 10.0.5.7,10.0.6.1-9:</source>
        <translation>問い合わせるアドレス (例：10.0.5.20、10.0.5.1-40、10.0.5.7,10.0.6.1-9):</translation>
    </message>
    <message>
        <source>These addresses cannot be asked: %1</source>
        <translation>次のアドレスには問い合わせできません：%1</translation>
    </message>
    <message>
        <source>Find at address...</source>
        <translation>アドレスで検索...</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The change was made, but it could not be added to the history: %1</source>
        <translation>変更は完了しましたが、履歴に追加できませんでした：%1</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>フォルダー %1 を作成できません：%2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>JSON オブジェクトではありません</translation>
    </message>
    <message>
        <source>no valid time</source>
        <translation>有効な時刻がありません</translation>
    </message>
    <message>
        <source>no outcome or no list of changes</source>
        <translation>結果または変更の一覧がありません</translation>
    </message>
    <message>
        <source>a change without a field name</source>
        <translation>フィールド名のない変更があります</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 を開けません：%2</translation>
    </message>
    <message>
        <source>%1 stayed locked by another program</source>
        <translation>%1 が他のプログラムによってロックされたままです</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません：%2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読み込めません：%2</translation>
    </message>
    <message>
        <source>line %1 of %2 skipped: %3</source>
        <translation>%2 の %1 行目をスキップしました：%3</translation>
    </message>
    <message>
        <source>The change may have reached the printer, but it could not be added to the history: %1</source>
        <translation>変更はプリンターに届いた可能性がありますが、履歴に追加できませんでした：%1</translation>
    </message>
    <message>
        <source>The failed attempt could not be added to the history: %1</source>
        <translation>失敗した試行を履歴に追加できませんでした：%1</translation>
    </message>
    <message>
        <source>The change could not be added to the history: %1</source>
        <translation>変更を履歴に追加できませんでした：%1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the history is not written through links</source>
        <translation>%1 はシンボリックリンクです。履歴はリンク経由では書き込まれません</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 は通常のファイルではありません</translation>
    </message>
    <message>
        <source>cannot read %1: %2 is not a folder</source>
        <translation>%1 を読み込めません：%2 はフォルダーではありません</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Export CSV</source>
        <translation>CSV のエクスポート</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv);;All files (*)</source>
        <translation>CSV (コンマ区切り) (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>History of changes</source>
        <translation>変更履歴</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>プリンター</translation>
    </message>
    <message>
        <source>All printers</source>
        <translation>すべてのプリンター</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>日時 (UTC)</translation>
    </message>
    <message>
        <source>Front end</source>
        <translation>フロントエンド</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Way in</source>
        <translation>接続経路</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>変更内容</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV のエクスポート…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>The history could not be exported:
%1</source>
        <translation>履歴をエクスポートできませんでした：
%1</translation>
    </message>
</context>
<context>
    <name>Ipv4AddressEdit</name>
    <message>
        <source>This mask is not a run of ones followed by zeros (such as 255.255.255.0).</source>
        <translation>このマスクは 1 が連続した後に 0 が続く形式ではありません (例：255.255.255.0)。</translation>
    </message>
    <message>
        <source>This is the network address of the subnet its mask spans; no device can use it.</source>
        <translation>これはマスクが示すサブネットのネットワークアドレスです。どの機器も使用できません。</translation>
    </message>
    <message>
        <source>This is the broadcast address of the subnet its mask spans; no device can use it.</source>
        <translation>これはマスクが示すサブネットのブロードキャストアドレスです。どの機器も使用できません。</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP アドレス</translation>
    </message>
    <message>
        <source>%1, part %2 of 4</source>
        <translation>%1、4 つ中 %2 番目の部分</translation>
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
        <translation>「%1」は IPv4 アドレスでも A.B.C.D-E 形式の範囲でもありません</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; ends before it starts</source>
        <translation>範囲「%1」は終わりが始まりより前です</translation>
    </message>
    <message>
        <source>more than %1 addresses</source>
        <translation>アドレスが %1 個を超えています</translation>
    </message>
    <message>
        <source>the list has an empty entry (two commas in a row, or one at an end)</source>
        <translation>リストに空の項目があります（カンマが 2 つ続いているか、先頭か末尾にあります）</translation>
    </message>
</context>
<context>
    <name>LanSendChecks</name>
    <message>
        <source>The subnet mask %1 is not contiguous: its ones must all come before its zeros.</source>
        <translation>サブネットマスク %1 は連続していません。1 のビットはすべて 0 のビットより前にある必要があります。</translation>
    </message>
    <message>
        <source>The IP address %1 is the network address of its subnet; no device can use it.</source>
        <translation>IP アドレス %1 はそのサブネットのネットワークアドレスです。どのデバイスも使用できません。</translation>
    </message>
    <message>
        <source>The IP address %1 is the broadcast address of its subnet; no device can use it.</source>
        <translation>IP アドレス %1 はそのサブネットのブロードキャストアドレスです。どのデバイスも使用できません。</translation>
    </message>
    <message>
        <source>The IP address %1 is reserved (%2) and cannot be a printer&apos;s address.</source>
        <translation>IP アドレス %1 は予約済み (%2) のため、プリンターのアドレスには使用できません。</translation>
    </message>
    <message>
        <source>The gateway %1 is outside the subnet %2 of the IP address; the printer could not reach it.</source>
        <translation>ゲートウェイ %1 は IP アドレスのサブネット %2 の範囲外です。プリンターからゲートウェイに到達できません。</translation>
    </message>
    <message>
        <source>The IP address %1 is already used by the printer %2 in the list.</source>
        <translation>IP アドレス %1 は、一覧のプリンター %2 ですでに使用されています。</translation>
    </message>
    <message>
        <source>The IP address %1 is outside the subnet %2 of this computer&apos;s address %3: this computer will no longer reach the printer without a route.</source>
        <translation>IP アドレス %1 は、このコンピューターのアドレス %3 のサブネット %2 の範囲外です。ルートがない場合、このコンピューターからプリンターに到達できなくなります。</translation>
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
        <translation>ネットワーク設定</translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation>IP アドレス：</translation>
    </message>
    <message>
        <source>Subnet Mask :</source>
        <translation>サブネットマスク：</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>ゲートウェイ：</translation>
    </message>
    <message>
        <source>Local Port :</source>
        <translation>ローカルポート：</translation>
    </message>
    <message>
        <source> (0 ~ 32767)</source>
        <translation> (0 ~ 32767)</translation>
    </message>
    <message>
        <source>Inactivity time :
(0 ~ 3600)    </source>
        <translation>無通信時間：
(0 ~ 3600)    </translation>
    </message>
    <message>
        <source>sec (Default: 0)</source>
        <translation>秒 (初期値：0)</translation>
    </message>
    <message>
        <source>DHCP Mode</source>
        <translation>DHCP モード</translation>
    </message>
    <message>
        <source>Device Baudrate :</source>
        <translation>デバイスのボーレート：</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>WLAN 設定</translation>
    </message>
    <message>
        <source>Ethernet Configuration</source>
        <translation>イーサネット設定</translation>
    </message>
    <message>
        <source>TCP port, up to 32767</source>
        <translation>TCP ポート、最大 32767</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>秒数、0~3600</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>ファームウェアバージョン：</translation>
    </message>
    <message>
        <source>The settings to be sent give these warnings:</source>
        <translation>送信する設定について、次の警告があります：</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>このまま保存</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>The settings to be sent conflict with the network or another printer:</source>
        <translation>送信する設定がネットワークまたは別のプリンターと競合しています：</translation>
    </message>
    <message>
        <source>Save despite the conflicts</source>
        <translation>競合があっても保存</translation>
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
        <translation>イーサネット設定
(イーサネット)</translation>
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
        <translation>終了</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>バージョン情報...</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>履歴…</translation>
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
        <translation>IP アドレス - </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Addresses of this computer</source>
        <translation>このコンピューターのアドレス</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>すべてのアドレス</translation>
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
        <translation>ネットワークモード</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>インフラストラクチャ</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>アドホック</translation>
    </message>
    <message>
        <source>Ad Hoc Channel</source>
        <translation>アドホックチャンネル</translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <translation>Wi-Fi Direct</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Conn Mode</source>
        <translation>接続モード</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN コード</translation>
    </message>
    <message>
        <source>IP Assignment Method</source>
        <translation>IP アドレスの割り当て方法</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>自動割り当て (DHCP)</translation>
    </message>
    <message>
        <source>Manual Allocation</source>
        <translation>手動割り当て</translation>
    </message>
    <message>
        <source>Network Setting</source>
        <translation>ネットワーク設定</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Inactivity Time (0~3600)</source>
        <translation>無通信時間 (0~3600)</translation>
    </message>
    <message>
        <source>Sec (Default: 0)</source>
        <translation>秒 (初期値：0)</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP アドレス</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>サブネットマスク</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>ゲートウェイ</translation>
    </message>
    <message>
        <source>Channel, 1 to 14</source>
        <translation>チャンネル、1~14</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>秒数、0~3600</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>Permission denied: add your user to the &apos;dialout&apos; group (serial) or &apos;lp&apos; group (USB printer), then log in again</source>
        <translation>アクセスが拒否されました：ユーザーを &apos;dialout&apos; グループ (シリアル) または &apos;lp&apos; グループ (USB プリンター) に追加してから、ログインし直してください</translation>
    </message>
    <message>
        <source>Your user needs to be in the group &apos;%1&apos; that owns %2: run &quot;sudo usermod -aG %1 $USER&quot;, then log in again.</source>
        <translation>ユーザーを %2 の所有グループ &apos;%1&apos; に所属させる必要があります：&quot;sudo usermod -aG %1 $USER&quot; を実行してから、ログインし直してください。</translation>
    </message>
    <message>
        <source>No printer is ready on this line: its DSR or CTS signal is off.</source>
        <translation>この回線には準備のできたプリンターがありません。DSR または CTS 信号がオフです。</translation>
    </message>
    <message>
        <source>The port does not take the printer&apos;s line settings (115200 baud, 8 data bits, no parity, 1 stop bit, RTS/CTS).</source>
        <translation>このポートはプリンターの通信設定 (115200 bps、データビット 8、パリティなし、ストップビット 1、RTS/CTS) に対応していません。</translation>
    </message>
    <message>
        <source>The device is in use by another program.</source>
        <translation>このデバイスは他のプログラムで使用中です。</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>&quot;%1&quot; は文字列で指定してください</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number</source>
        <translation>&quot;%1&quot; は整数で指定してください</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a dotted IPv4 address such as &quot;192.168.0.10&quot;</source>
        <translation>&quot;%1&quot; は &quot;192.168.0.10&quot; のようなドット区切りの IPv4 アドレスで指定してください</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a value of the wrong kind</source>
        <translation>&quot;%1&quot; の値の種類が正しくありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than its %2 bytes</source>
        <translation>&quot;%1&quot; が上限の %2 バイトを超えています</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not contain a zero character</source>
        <translation>&quot;%1&quot; に NUL 文字を含めることはできません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from 0 to %2</source>
        <translation>&quot;%1&quot; は 0~%2 の整数で指定してください</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to one printer and is never part of a profile</source>
        <translation>&quot;%1&quot; は個々のプリンター固有の設定のため、プロファイルには含まれません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a profile</source>
        <translation>&quot;%1&quot; はプロファイルの設定項目ではありません</translation>
    </message>
    <message>
        <source>not valid JSON (%1 at offset %2)</source>
        <translation>有効な JSON ではありません (オフセット %2: %1)</translation>
    </message>
    <message>
        <source>the file must hold one JSON object</source>
        <translation>ファイルには JSON オブジェクトを 1 つだけ含める必要があります</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot; (a profile holds &quot;format&quot; and &quot;config&quot;)</source>
        <translation>不明なキー &quot;%1&quot; (プロファイルに含まれるのは &quot;format&quot; と &quot;config&quot; です)</translation>
    </message>
    <message>
        <source>&quot;format&quot; must be &quot;%1&quot;</source>
        <translation>&quot;format&quot; は &quot;%1&quot; である必要があります</translation>
    </message>
    <message>
        <source>the file has no &quot;config&quot; object</source>
        <translation>ファイルに &quot;config&quot; オブジェクトがありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: Wi-Fi Direct needs a printer with the newer record layout</source>
        <translation>&quot;%1&quot;: Wi-Fi Direct には新しいレコード形式のプリンターが必要です</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読み込めません：%2</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears more than once</source>
        <translation>キー「%1」が複数回出現しています</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a secret; a secrets file holds only %2</source>
        <translation>「%1」は機密情報ではありません。機密情報ファイルに含められるのは %2 だけです</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the profile would fix this DHCP printer at the address it holds now; a profile that changes the address assignment needs the address too (export with the address)</source>
        <translation>「%1」：このプロファイルでは、この DHCP プリンターが現在のアドレスに固定されてしまいます。アドレスの割り当て方法を変更するプロファイルにはアドレスも必要です (アドレスを含めてエクスポートしてください)</translation>
    </message>
</context>
<context>
    <name>ProtocolPage</name>
    <message>
        <source>Task State</source>
        <translation>サービスの状態</translation>
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
        <translation>コミュニティ名 (読み取り):</translation>
    </message>
    <message>
        <source>Community Name (Write):</source>
        <translation>コミュニティ名 (書き込み):</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>トラップ IP アドレス</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>トラップコミュニティ</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Search...</source>
        <translation>検索...</translation>
    </message>
    <message>
        <source>Searching.</source>
        <translation>検索中。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>SecretToggle</name>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Show or hide what is typed</source>
        <translation>入力内容の表示/非表示を切り替えます</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>%1 を表示</translation>
    </message>
</context>
<context>
    <name>SecretsDialog</name>
    <message>
        <source>WEP Key</source>
        <translation>WEP キー</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>PSK キー</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN コード</translation>
    </message>
    <message>
        <source>The profile leaves out these secrets. Enter them for this printer:</source>
        <translation>プロファイルには次の機密情報が含まれていません。このプリンター用に入力してください：</translation>
    </message>
</context>
<context>
    <name>SecurityPage</name>
    <message>
        <source>Authentication</source>
        <translation>認証</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>オープンシステム</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>共有キー</translation>
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
        <translation>暗号化</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>なし</translation>
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
        <translation>WEP キー</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>PSK キー</translation>
    </message>
    <message>
        <source>Authentication ID</source>
        <translation>認証 ID</translation>
    </message>
    <message>
        <source>Authentication Password</source>
        <translation>認証パスワード</translation>
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
        <translation>No.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>プリンター名</translation>
    </message>
    <message>
        <source>Printer Port Num</source>
        <translation>プリンターのポート番号</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>ユーザー ID</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>ユーザーパスワード</translation>
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
        <translation>コミュニティ名 (書き込み)</translation>
    </message>
    <message>
        <source>Get Community</source>
        <translation>コミュニティ名 (読み取り)</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>トラップ IP アドレス</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>トラップコミュニティ</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>ネットワークモード</translation>
    </message>
    <message>
        <source>Adhoc Channel</source>
        <translation>アドホックチャンネル</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>無通信時間</translation>
    </message>
    <message>
        <source>IP Assignment method</source>
        <translation>IP アドレスの割り当て方法</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP アドレス</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>サブネットマスク</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>ゲートウェイ</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>認証</translation>
    </message>
    <message>
        <source>Cryptograph</source>
        <translation>暗号化方式</translation>
    </message>
    <message>
        <source>WEP Key</source>
        <translation>WEP キー</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>PSK キー</translation>
    </message>
    <message>
        <source>EAP Mode</source>
        <translation>EAP モード</translation>
    </message>
    <message>
        <source>Auth ID</source>
        <translation>認証 ID</translation>
    </message>
    <message>
        <source>Auth Password/Certification Key(EAP-TLS)</source>
        <translation>認証パスワード/証明書キー (EAP-TLS)</translation>
    </message>
    <message>
        <source>P2P Conn Mode</source>
        <translation>P2P 接続モード</translation>
    </message>
    <message>
        <source>P2P Channel</source>
        <translation>P2P チャンネル</translation>
    </message>
    <message>
        <source>P2P Pin Code</source>
        <translation>P2P PIN コード</translation>
    </message>
    <message>
        <source>Settings written to the printer</source>
        <translation>プリンターに書き込んだ設定</translation>
    </message>
    <message>
        <source>&amp;Show secrets</source>
        <translation>機密情報を表示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copies every row, tab-separated, as shown</source>
        <translation>表示どおりにすべての行をタブ区切りでコピーします</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The BSS information has been imported successfully.</source>
        <translation>BSS 情報を正常に取得しました。</translation>
    </message>
    <message>
        <source>Failed to import the BSS information.
Please check the IP address or port number to connect to.</source>
        <translation>BSS 情報を取得できませんでした。
接続先の IP アドレスまたはポート番号を確認してください。</translation>
    </message>
    <message>
        <source>Failed to connect to the printer.</source>
        <translation>プリンターに接続できませんでした。</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Reset the printer.</source>
        <translation>設定が完了しました。
プリンターを再起動してください。</translation>
    </message>
    <message>
        <source>The configuration has failed.</source>
        <translation>設定に失敗しました。</translation>
    </message>
    <message>
        <source>Unable to open the port.</source>
        <translation>ポートを開けません。</translation>
    </message>
    <message>
        <source>The User ID is incorrect.
Please try again.</source>
        <translation>ユーザー ID が正しくありません。
もう一度やり直してください。</translation>
    </message>
    <message>
        <source>The Password is incorrect.
Please try again.</source>
        <translation>パスワードが正しくありません。
もう一度やり直してください。</translation>
    </message>
    <message>
        <source>The system name is incorrect.
Please try again.</source>
        <translation>システム名が正しくありません。
もう一度やり直してください。</translation>
    </message>
    <message>
        <source>The port number is incorrect.
Please try again.</source>
        <translation>ポート番号が正しくありません。
もう一度やり直してください。</translation>
    </message>
    <message>
        <source>The community name is incorrect.
Please try again.</source>
        <translation>コミュニティ名が正しくありません。
もう一度やり直してください。</translation>
    </message>
    <message>
        <source>The trap community is incorrect.
Please try again.</source>
        <translation>トラップコミュニティが正しくありません。
もう一度やり直してください。</translation>
    </message>
    <message>
        <source>The Adhoc channel is incorrect.
Please try again.</source>
        <translation>アドホックチャンネルが正しくありません。
もう一度やり直してください。</translation>
    </message>
    <message>
        <source>The SSID is incorrect.
Please try again.</source>
        <translation>SSID が正しくありません。
もう一度やり直してください。</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
Please try again.</source>
        <translation>PSK キーが正しくありません。
もう一度やり直してください。</translation>
    </message>
    <message>
        <source>The certificate ID is incorrect.
Please try again.</source>
        <translation>証明書 ID が正しくありません。
もう一度やり直してください。</translation>
    </message>
    <message>
        <source>The certificate password is incorrect.
Please try again.</source>
        <translation>証明書のパスワードが正しくありません。
もう一度やり直してください。</translation>
    </message>
    <message>
        <source>The printer has been connected successfully.</source>
        <translation>プリンターに接続しました。</translation>
    </message>
    <message>
        <source>The certificate document has been uploaded successfully.
Reset the printer.</source>
        <translation>証明書ファイルをアップロードしました。
プリンターを再起動してください。</translation>
    </message>
    <message>
        <source>Failed to upload the certificate document.
Reset the printer.</source>
        <translation>証明書ファイルをアップロードできませんでした。
プリンターを再起動してください。</translation>
    </message>
    <message>
        <source>The maximum size of a certificate file is 3KB.</source>
        <translation>証明書ファイルのサイズは最大 3KB です。</translation>
    </message>
    <message>
        <source>The certificate file is selected.</source>
        <translation>証明書ファイルが選択されました。</translation>
    </message>
    <message>
        <source>The certificate file is invalid.</source>
        <translation>証明書ファイルが無効です。</translation>
    </message>
    <message>
        <source>No certificate file is selected or the selected file is invalid.</source>
        <translation>証明書ファイルが選択されていないか、選択したファイルが無効です。</translation>
    </message>
    <message>
        <source>The Adhoc mode is not available.
Authentication is allowed in either Open System or Shared Key.</source>
        <translation>アドホックモードは使用できません。
認証はオープンシステムまたは共有キーのみ選択できます。</translation>
    </message>
    <message>
        <source>Failed to read the certificate file.</source>
        <translation>証明書ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Please select a device in the list.</source>
        <translation>一覧からデバイスを選択してください。</translation>
    </message>
    <message>
        <source>Please search for a device again.</source>
        <translation>もう一度デバイスを検索してください。</translation>
    </message>
    <message>
        <source>Error: Failed to read the list of information.</source>
        <translation>エラー：情報の一覧を読み込めませんでした。</translation>
    </message>
    <message>
        <source>Please check the IP address or port number.</source>
        <translation>IP アドレスまたはポート番号を確認してください。</translation>
    </message>
    <message>
        <source>The specified port is not available.
Please enter a port number again.</source>
        <translation>指定したポートは使用できません。
ポート番号を入力し直してください。</translation>
    </message>
    <message>
        <source>The IP address cannot be used.
Please enter an IP address again.</source>
        <translation>この IP アドレスは使用できません。
IP アドレスを入力し直してください。</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>設定が完了しました。
一覧が更新されない場合は、もう一度デバイスを検索してください。</translation>
    </message>
    <message>
        <source>The WLAN configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>WLAN の設定が完了しました。
一覧が更新されない場合は、もう一度デバイスを検索してください。</translation>
    </message>
    <message>
        <source>Unable to configure the port.
Please enter a port number again.(0~32767)</source>
        <translation>ポートを設定できません。
ポート番号を入力し直してください (0~32767)。</translation>
    </message>
    <message>
        <source>Unable to save the configuration.
Please configure again.</source>
        <translation>設定を保存できませんでした。
もう一度設定してください。</translation>
    </message>
    <message>
        <source>The time has not been set.
Please enter time again.</source>
        <translation>時間が設定されていません。
時間を入力し直してください。</translation>
    </message>
    <message>
        <source>The channel number has not been set.
Please enter a channel number again.(0~14)</source>
        <translation>チャンネル番号が設定されていません。
チャンネル番号を入力し直してください (0~14)。</translation>
    </message>
    <message>
        <source>Network is in Adhoc mode.
You must assign IP address manually.</source>
        <translation>ネットワークがアドホックモードです。
IP アドレスを手動で割り当てる必要があります。</translation>
    </message>
    <message>
        <source>Unable to connect to the USB device.</source>
        <translation>USB デバイスに接続できません。</translation>
    </message>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Now Searching</source>
        <translation>検索中</translation>
    </message>
    <message>
        <source>System &amp; Information</source>
        <translation>システムと情報</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <translation>BSS 情報</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>認証</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>プロトコル</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>ネットワーク</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>オープンシステム</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>共有キー</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>インフラストラクチャ</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>アドホック</translation>
    </message>
    <message>
        <source>Manual allocation</source>
        <translation>手動割り当て</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>自動割り当て (DHCP)</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効</translation>
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
        <translation>認証パスワード</translation>
    </message>
    <message>
        <source>Certification Password</source>
        <translation>証明書パスワード</translation>
    </message>
    <message>
        <source>Incorrect PIN. Please re-enter your PIN Code.</source>
        <translation>PIN が正しくありません。PIN コードを入力し直してください。</translation>
    </message>
    <message>
        <source>Currently no network connection is found. Check the network connection.</source>
        <translation>現在、ネットワーク接続が見つかりません。ネットワーク接続を確認してください。</translation>
    </message>
    <message>
        <source>The text is too long for the printer.
Please shorten it (some characters take more than one byte).</source>
        <translation>テキストがプリンターで扱える長さを超えています。
短くしてください (1 文字で複数バイトを使用する文字があります)。</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
It must be 8 to 63 printable ASCII characters or 64 hexadecimal digits.</source>
        <translation>PSK キーが正しくありません。
PSK キーは印字可能な ASCII 文字 8~63 文字、または 16 進数 64 桁で入力してください。</translation>
    </message>
    <message>
        <source>This setting cannot be chosen together with the other settings.
Please check the settings and try again.</source>
        <translation>この設定は他の設定と同時に選択できません。
設定を確認して、もう一度やり直してください。</translation>
    </message>
    <message>
        <source>The search could not start.
%1</source>
        <translation>検索を開始できませんでした。
%1</translation>
    </message>
    <message>
        <source>The settings could not be sent.
%1</source>
        <translation>設定を送信できませんでした。
%1</translation>
    </message>
    <message>
        <source>The local address %1 cannot be used.</source>
        <translation>ローカルアドレス %1 は使用できません。</translation>
    </message>
    <message>
        <source>The local UDP port %1 cannot be used.</source>
        <translation>ローカル UDP ポート %1 は使用できません。</translation>
    </message>
    <message>
        <source>The request could not leave this computer: %1</source>
        <translation>このコンピューターから要求を送信できませんでした：%1</translation>
    </message>
    <message>
        <source>No web browser could be opened.
Please open this address in a web browser:
%1</source>
        <translation>Web ブラウザーを開けませんでした。
次のアドレスを Web ブラウザーで開いてください：
%1</translation>
    </message>
    <message>
        <source>The printer has no IP address configured.
Its web page cannot be opened.</source>
        <translation>プリンターに IP アドレスが設定されていません。
プリンターの Web ページを開けません。</translation>
    </message>
    <message>
        <source>This printer does not offer Setting (feature code %1).</source>
        <translation>このプリンターは「設定」に対応していません (機能コード %1)。</translation>
    </message>
    <message>
        <source>Discard the changes made since Connect?</source>
        <translation>接続してから行った変更を破棄しますか？</translation>
    </message>
    <message>
        <source>WEP Key is invalid.
WEP Key must be 5 or 13 characters, or 10 or 26 hexadecimal digits.</source>
        <translation>WEP キーが無効です。
WEP キーは 5 文字または 13 文字、あるいは 16 進数 10 桁または 26 桁で入力してください。</translation>
    </message>
    <message>
        <source>Certification</source>
        <translation>証明書</translation>
    </message>
    <message>
        <source>The subnet mask is not valid: its ones must all come before its zeros.
Please enter the subnet mask again.</source>
        <translation>サブネットマスクが正しくありません。1 のビットはすべて 0 のビットより前にある必要があります。
サブネットマスクをもう一度入力してください。</translation>
    </message>
    <message>
        <source>UDP port %1 is in use by another program.</source>
        <translation>UDP ポート %1 は他のプログラムで使用中です。</translation>
    </message>
    <message>
        <source>The requests cannot be kept to interface %1: %2</source>
        <translation>要求をインターフェイス %1 だけに限定できません：%2</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>プリンター名</translation>
    </message>
    <message>
        <source>Printer Port Num (0 ~ 32767)</source>
        <translation>プリンターのポート番号 (0 ~ 32767)</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>ユーザー ID</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>ユーザーパスワード</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>パスワードの確認</translation>
    </message>
    <message>
        <source>Firmware Information</source>
        <translation>ファームウェア情報</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>ファームウェアバージョン：</translation>
    </message>
    <message>
        <source>Update Date :</source>
        <translation>更新日：</translation>
    </message>
    <message>
        <source>Mac Address :</source>
        <translation>MAC アドレス：</translation>
    </message>
    <message>
        <source>TCP port, 0 to 32767</source>
        <translation>TCP ポート、0~32767</translation>
    </message>
</context>
<context>
    <name>VerificationNote</name>
    <message>
        <source>IP address</source>
        <translation>IP アドレス</translation>
    </message>
    <message>
        <source>subnet mask</source>
        <translation>サブネットマスク</translation>
    </message>
    <message>
        <source>gateway</source>
        <translation>ゲートウェイ</translation>
    </message>
    <message>
        <source>port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>inactivity time</source>
        <translation>無通信時間</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>baud rate code</source>
        <translation>ボーレートコード</translation>
    </message>
    <message>
        <source>Not verified: the printer did not answer the search after the change.</source>
        <translation>未検証：変更後の検索にプリンターが応答しませんでした。</translation>
    </message>
    <message>
        <source>Verified: now at %1, port %2</source>
        <translation>検証済み：現在のアドレスは %1、ポート %2</translation>
    </message>
    <message>
        <source>%1 %2 instead of %3</source>
        <translation>%1: %3 ではなく %2</translation>
    </message>
    <message>
        <source>Not verified: the printer reports %1.</source>
        <translation>未検証：プリンターは %1 と報告しています。</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>未検証：検証は取り消されました。</translation>
    </message>
    <message>
        <source>Not verified: DHCP is on and the printer has no address yet.</source>
        <translation>未検証：DHCP がオンで、プリンターにはまだアドレスがありません。</translation>
    </message>
</context>
<context>
    <name>corvane::app::LauncherDialog</name>
    <message>
        <source>Provision printers...</source>
        <translation>複数プリンターの一括設定...</translation>
    </message>
</context>
<context>
    <name>corvane::lan::AssignAddressesDialog</name>
    <message>
        <source>Assign addresses</source>
        <translation>アドレスの割り当て</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>先頭アドレス</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>サブネットマスク</translation>
    </message>
    <message>
        <source>Gateway (optional)</source>
        <translation>ゲートウェイ（省略可）</translation>
    </message>
    <message>
        <source>Port (optional)</source>
        <translation>ポート（省略可）</translation>
    </message>
    <message>
        <source>Send rows with warnings too</source>
        <translation>警告のある行も送信する</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MACアドレス</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新しいアドレス</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>備考</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Enter the first address as four numbers 0-255 with dots between them.</source>
        <translation>先頭アドレスを 0～255 の数字 4 つをドットで区切って入力してください。</translation>
    </message>
    <message>
        <source>Enter the subnet mask as four numbers 0-255 with dots between them.</source>
        <translation>サブネットマスクを 0～255 の数字 4 つをドットで区切って入力してください。</translation>
    </message>
    <message>
        <source>Enter the port as a number, or leave it empty to keep each printer&apos;s port.</source>
        <translation>ポートを数字で入力するか、各プリンターのポートを変えない場合は空欄にしてください。</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>未送信</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>拒否</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>確認済み</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>未確認</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>検証済み</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>未検証</translation>
    </message>
    <message>
        <source>Sending to %1 (%2 of %3)…</source>
        <translation>%1 へ送信中（%3 件中 %2 件目）…</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printers to restart, then searching for them again…</source>
        <translation>プリンターの再起動を %1 秒待ってから、再度検索します…</translation>
    </message>
    <message>
        <source>Cancelled before anything was sent.</source>
        <translation>何も送信しないうちにキャンセルしました。</translation>
    </message>
    <message>
        <source>Cancelled: sent to %1; the other rows were not sent.</source>
        <translation>キャンセルしました：%1 へ送信済み。残りの行は送信していません。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>%1 take each other&apos;s addresses in a circle, which would need a temporary address: nothing is sent to them. Give one of them an unused address first.</source>
        <translation>%1 は互いのアドレスを循環して取り合うため、一時アドレスが必要になります。これらには何も送信しません。先にいずれかに未使用のアドレスを割り当ててください。</translation>
    </message>
    <message>
        <source>%1 still holds %2: its own row did not move it away, so this row was not sent.</source>
        <translation>%1 はまだ %2 を使用しています。自身の行で移動されなかったため、この行は送信しませんでした。</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>未検証：検証は取り消されました。</translation>
    </message>
    <message>
        <source>The check after the change was cancelled: the confirmed printers are not verified.</source>
        <translation>変更後の検証は取り消されました。確認済みのプリンターは未検証です。</translation>
    </message>
    <message>
        <source>will not be sent</source>
        <translation>送信しない</translation>
    </message>
    <message>
        <source>will be sent</source>
        <translation>送信予定</translation>
    </message>
    <message numerus="yes">
        <source>Done: the new address shows on %1 of %n printer(s).</source>
        <translation>
            <numerusform>完了：%n 台中 %1 台のプリンターで新しいアドレスを確認しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Send rows with conflicts too</source>
        <translation>競合のある行も送信する</translation>
    </message>
    <message>
        <source>Enter the gateway as four numbers 0-255, or leave it empty to keep each printer&apos;s gateway.</source>
        <translation>ゲートウェイを 0～255 の数字 4 つで入力するか、空欄のままにして各プリンターのゲートウェイを維持してください。</translation>
    </message>
    <message>
        <source>mask %1</source>
        <translation>マスク %1</translation>
    </message>
    <message>
        <source>gateway %1</source>
        <translation>ゲートウェイ %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>ポート %1</translation>
    </message>
    <message>
        <source>DHCP on</source>
        <translation>DHCP オン</translation>
    </message>
    <message>
        <source>DHCP off</source>
        <translation>DHCP オフ</translation>
    </message>
    <message>
        <source>Searching for the printers again: %1 of at most %2 s…</source>
        <translation>プリンターを再検索しています：%1 秒経過 (最大 %2 秒)…</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>プリンター</translation>
    </message>
</context>
<context>
    <name>corvane::lan::DeviceListDialog</name>
    <message>
        <source>Assign addresses...</source>
        <translation>アドレスの割り当て...</translation>
    </message>
    <message>
        <source>Gives the chosen printers consecutive addresses.</source>
        <translation>選択したプリンターに連続したアドレスを割り当てます。</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>到達方法</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>アダプター</translation>
    </message>
    <message>
        <source>unicast</source>
        <translation>ユニキャスト</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>ブロードキャスト</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Searching for the printer again: %1 of at most %2 s…</source>
        <translation>プリンターを再検索しています：%1 秒経過 (最大 %2 秒)…</translation>
    </message>
    <message>
        <source>Print a test page</source>
        <translation>テストページを印刷</translation>
    </message>
    <message>
        <source>Prints a test page on the printer at its new address %1, port %2.</source>
        <translation>新しいアドレス %1、ポート %2 のプリンターでテストページを印刷します。</translation>
    </message>
</context>
<context>
    <name>corvane::provision::ProvisionDialog</name>
    <message>
        <source>Provision printers</source>
        <translation>複数プリンターの一括設定</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選択...</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>プロファイル(&amp;P)：</translation>
    </message>
    <message>
        <source>Profiles (*.json)</source>
        <translation>プロファイル (*.json)</translation>
    </message>
    <message>
        <source>Printers &amp;sheet (optional):</source>
        <translation>プリンター一覧（省略可）(&amp;S)：</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>ttyUSB0, ttyS0</source>
        <translation>ttyUSB0, ttyS0</translation>
    </message>
    <message>
        <source>Se&amp;rial ports (optional):</source>
        <translation>シリアルポート（省略可）(&amp;R)：</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC アドレス</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Fields changed</source>
        <translation>変更項目数</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>所要時間</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>プリンター</translation>
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
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>The profile cannot be read: %1</source>
        <translation>プロファイルを読み込めません：%1</translation>
    </message>
    <message>
        <source>The profile cannot be used: %1</source>
        <translation>プロファイルを使用できません：%1</translation>
    </message>
    <message>
        <source>The printers sheet cannot be used: %1</source>
        <translation>プリンター一覧を使用できません：%1</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>取り外し済み</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Configuring</source>
        <translation>設定中</translation>
    </message>
    <message>
        <source>Done; unplug it</source>
        <translation>完了。取り外してください</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Configured (profile only)</source>
        <translation>設定済み (プロファイルのみ)</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>設定済み</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>失敗：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) in progress.</source>
        <translation>
            <numerusform>処理中のプリンター：%n 台。</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>停止しました。</translation>
    </message>
    <message numerus="yes">
        <source>Stopping: %n printer(s) still in progress.</source>
        <translation>
            <numerusform>停止中：まだ %n 台のプリンターを処理しています。</numerusform>
        </translation>
    </message>
    <message>
        <source>Configured: %1, unchanged: %2, failed: %3. %4</source>
        <comment>the totals, then the state sentence</comment>
        <translation>設定済み：%1、変更なし：%2、失敗：%3。%4</translation>
    </message>
</context>
</TS>
