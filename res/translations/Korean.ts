<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AboutBox</name>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Sets up the network interface of Zephran POS receipt printers: Ethernet and wireless printers on the local network, and printers attached by a serial port or a USB cable.</source>
        <translation>Zephran POS 영수증 프린터의 네트워크 인터페이스를 설정합니다. 로컬 네트워크의 이더넷 및 무선 프린터와 시리얼 포트 또는 USB 케이블로 연결된 프린터를 지원합니다.</translation>
    </message>
    <message>
        <source>Copyright © Corvane Tool developers. Free software under the MIT licence.</source>
        <translation>Copyright © Corvane Tool 개발자. MIT 라이선스에 따른 자유 소프트웨어입니다.</translation>
    </message>
    <message>
        <source>About Corvane Tool</source>
        <translation>Corvane Tool 정보</translation>
    </message>
</context>
<context>
    <name>BssInfoDialog</name>
    <message>
        <source>BSS Information</source>
        <translation>BSS 정보</translation>
    </message>
    <message>
        <source>No</source>
        <translation>번호</translation>
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
        <translation>모드</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>보안</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>BSS 정보 가져오기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>프린터에서 검색된 액세스 포인트</translation>
    </message>
</context>
<context>
    <name>BssPage</name>
    <message>
        <source>No</source>
        <translation>번호</translation>
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
        <translation>모드</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>보안</translation>
    </message>
    <message>
        <source>Get BSS information</source>
        <translation>BSS 정보 가져오기</translation>
    </message>
    <message>
        <source>Access points the printer sees</source>
        <translation>프린터에서 검색된 액세스 포인트</translation>
    </message>
    <message>
        <source>Use this network</source>
        <translation>이 네트워크 사용</translation>
    </message>
    <message>
        <source>Puts the chosen network&apos;s name on the Network page and, where the survey names one, its authentication on the Authentication page</source>
        <translation>선택한 네트워크의 이름을 [네트워크] 페이지에 입력하고, 검색 결과에 인증 방식이 표시된 경우 해당 인증 방식을 [인증] 페이지에 설정합니다</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation>인프라스트럭처</translation>
    </message>
    <message>
        <source>Ad hoc</source>
        <translation>애드혹</translation>
    </message>
</context>
<context>
    <name>CertificatePage</name>
    <message>
        <source>Certificate</source>
        <translation>인증서</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <translation>클라이언트 키</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <translation>클라이언트 PEM</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>File Upload</source>
        <translation>파일 업로드</translation>
    </message>
    <message>
        <source>Original Certificate Format (*)</source>
        <translation>원본 인증서 형식 (*)</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>인증서 파일</translation>
    </message>
</context>
<context>
    <name>ConfigApp</name>
    <message>
        <source>Sets up the network interface of Zephran receipt printers.</source>
        <translation>Zephran 영수증 프린터의 네트워크 인터페이스를 설정합니다.</translation>
    </message>
    <message>
        <source>Show the windows in NAME instead of the system&apos;s language: en (the built-in English), a catalog name such as Japanese or German, or a locale name such as de_AT.</source>
        <translation>시스템 언어 대신 NAME으로 지정한 언어로 창을 표시합니다: en(내장 영어), Japanese 또는 German 같은 번역 카탈로그 이름, 또는 de_AT 같은 로캘 이름을 지정할 수 있습니다.</translation>
    </message>
    <message>
        <source>corvane-tool: the desktop tool needs a display (a desktop session, or ssh -X); for the command line see corvane --help</source>
        <translation>corvane-tool: 데스크톱 도구에는 디스플레이가 필요합니다(데스크톱 세션 또는 ssh -X). 명령줄은 corvane --help를 참조하십시오</translation>
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
        <translation>번호</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MAC 주소</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>서브넷 마스크</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>게이트웨이</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Configuration(Web)</source>
        <translation>웹 설정</translation>
    </message>
    <message>
        <source>BSS Info</source>
        <translation>BSS 정보</translation>
    </message>
    <message>
        <source>Certificate upload</source>
        <translation>인증서 업로드</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printer to restart its network…</source>
        <translation>프린터가 네트워크를 재시작할 때까지 %1초 기다리는 중…</translation>
    </message>
    <message>
        <source>The printer %1 did not answer this search.</source>
        <translation>프린터 %1이(가) 이번 검색에 응답하지 않았습니다.</translation>
    </message>
    <message>
        <source>This printer does not support changing its settings from the list.</source>
        <translation>이 프린터는 목록에서 설정을 변경하는 기능을 지원하지 않습니다.</translation>
    </message>
    <message>
        <source>This printer does not support a web page.</source>
        <translation>이 프린터는 웹 페이지를 지원하지 않습니다.</translation>
    </message>
    <message>
        <source>This printer does not support the access point survey.</source>
        <translation>이 프린터는 액세스 포인트 검색을 지원하지 않습니다.</translation>
    </message>
    <message>
        <source>Printers found</source>
        <translation>검색된 프린터</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found.</source>
        <translation>
            <numerusform>프린터 %n대를 찾았습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) found on %1.</source>
        <translation>
            <numerusform>%1에서 프린터 %n대를 찾았습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Test print</source>
        <translation>테스트 인쇄</translation>
    </message>
    <message>
        <source>Prints a test page on the chosen printer over the network.</source>
        <translation>선택한 프린터에서 네트워크를 통해 테스트 페이지를 인쇄합니다.</translation>
    </message>
    <message>
        <source>Test page sent to %1.</source>
        <translation>테스트 페이지를 %1(으)로 보냈습니다.</translation>
    </message>
    <message>
        <source>The test page was not sent to %1: %2</source>
        <translation>테스트 페이지를 %1(으)로 보내지 못했습니다: %2</translation>
    </message>
</context>
<context>
    <name>DeviceListExport</name>
    <message>
        <source>Export...</source>
        <translation>내보내기...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Export the list</source>
        <translation>목록 내보내기</translation>
    </message>
    <message>
        <source>CSV (*.csv);;JSON (*.json)</source>
        <translation>CSV (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2</source>
        <translation>목록을 %1에 기록하지 못했습니다: %2</translation>
    </message>
    <message>
        <source>The printers in the list&apos;s order, or only the chosen ones when several are chosen.</source>
        <translation>목록 순서대로의 프린터. 여러 개를 선택한 경우 선택한 프린터만.</translation>
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
        <translation>프린터 유형</translation>
    </message>
    <message>
        <source>POS</source>
        <translation>POS</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>통신 인터페이스</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>시리얼</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>연결 끊기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>This printer don&apos;t match our company name.</source>
        <translation>이 프린터의 제조사 이름이 당사 이름과 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>Include secrets</source>
        <translation>기밀 정보 포함</translation>
    </message>
    <message>
        <source>Export profile…</source>
        <translation>프로필 내보내기…</translation>
    </message>
    <message>
        <source>Import profile…</source>
        <translation>프로필 가져오기…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>프로필 (*.json);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>프로필 가져오기</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>프로필 내보내기</translation>
    </message>
    <message>
        <source>The profile could not be saved:
%1</source>
        <translation>프로필을 저장하지 못했습니다:
%1</translation>
    </message>
    <message>
        <source>The profile has been saved to %1 with its keys and passwords.
Only you can read the file.</source>
        <translation>키와 비밀번호를 포함하여 프로필을 %1에 저장했습니다.
이 파일은 본인만 읽을 수 있습니다.</translation>
    </message>
    <message>
        <source>The profile has been saved to %1.
Keys, passwords and the PIN were left out; importing the profile asks for them.</source>
        <translation>프로필을 %1에 저장했습니다.
키, 비밀번호, PIN은 포함되지 않았습니다. 프로필을 가져올 때 입력하라는 메시지가 표시됩니다.</translation>
    </message>
    <message>
        <source>The profile %1 cannot be imported:
%2</source>
        <translation>프로필 %1을(를) 가져올 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>The profile was not imported; nothing has changed.
%1</source>
        <translation>프로필을 가져오지 않았습니다. 변경된 내용은 없습니다.
%1</translation>
    </message>
    <message>
        <source>The profile has been imported. Check the pages, then press Save to write it to the printer.</source>
        <translation>프로필을 가져왔습니다. 각 페이지를 확인한 후 [저장]을 눌러 프린터에 기록하십시오.</translation>
    </message>
    <message>
        <source>This printer has no %1; those settings were left out.</source>
        <translation>이 프린터에는 %1이(가) 없으므로 해당 설정은 제외되었습니다.</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>연결되지 않음</translation>
    </message>
    <message>
        <source>Connected: %1 — firmware %2, %3</source>
        <translation>연결됨: %1 — 펌웨어 %2, %3</translation>
    </message>
    <message>
        <source>newer layout</source>
        <translation>새 레코드 형식</translation>
    </message>
    <message>
        <source>older layout</source>
        <translation>이전 레코드 형식</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>%1을(를) 여는 중…</translation>
    </message>
    <message>
        <source>Checking the printer… attempt %1 of %2</source>
        <translation>프린터를 확인하는 중… %2회 중 %1번째 시도</translation>
    </message>
    <message>
        <source>Reading the printer&apos;s settings…</source>
        <translation>프린터 설정을 읽는 중…</translation>
    </message>
    <message>
        <source>Saving the settings…</source>
        <translation>설정을 저장하는 중…</translation>
    </message>
    <message>
        <source>Surveying the access points…</source>
        <translation>액세스 포인트를 검색하는 중…</translation>
    </message>
    <message>
        <source>Uploading the certificate… part %1 of %2</source>
        <translation>인증서를 업로드하는 중… %2개 중 %1번째 부분</translation>
    </message>
    <message>
        <source>Include fixed address</source>
        <translation>고정 주소 포함</translation>
    </message>
    <message>
        <source>Put this printer&apos;s address assignment (DHCP or fixed), IP address, subnet mask and gateway in the exported profile, for a printer that replaces it.</source>
        <translation>이 프린터의 주소 할당 방식(DHCP 또는 고정), IP 주소, 서브넷 마스크, 게이트웨이를 내보내는 프로필에 포함합니다. 이 프린터를 대체할 프린터에 사용합니다.</translation>
    </message>
    <message>
        <source>Put keys, passwords, the PIN and the SNMP write community in the exported profile; the file is then readable by you alone.</source>
        <translation>키, 암호, PIN, SNMP 쓰기 커뮤니티를 내보내는 프로필에 포함합니다. 이 파일은 본인만 읽을 수 있게 됩니다.</translation>
    </message>
    <message>
        <source>The printer confirmed the settings, but reading them back shows other values for: %1</source>
        <translation>프린터가 설정을 확인했지만 다시 읽어 보니 다음 항목의 값이 다릅니다: %1</translation>
    </message>
    <message>
        <source>The printer did not confirm the change, but it may have taken it. Connect again to see what it holds before trying again.</source>
        <translation>프린터가 변경을 확인하지 않았지만 변경이 적용되었을 수 있습니다. 다시 시도하기 전에 다시 연결하여 프린터에 저장된 내용을 확인하십시오.</translation>
    </message>
</context>
<context>
    <name>FindAtAddress</name>
    <message>
        <source>Find at address</source>
        <translation>주소로 찾기</translation>
    </message>
    <message>
        <source>Addresses to ask, such as 10.0.5.20, 10.0.5.1-40 or 10.0.5.7,10.0.6.1-9:</source>
        <translation>조회할 주소(예: 10.0.5.20, 10.0.5.1-40 또는 10.0.5.7,10.0.6.1-9):</translation>
    </message>
    <message>
        <source>These addresses cannot be asked: %1</source>
        <translation>다음 주소는 조회할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Find at address...</source>
        <translation>주소로 찾기...</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The change was made, but it could not be added to the history: %1</source>
        <translation>변경은 적용되었지만 이력에 추가하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>폴더 %1을(를) 만들 수 없습니다: %2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>JSON 개체가 아닙니다</translation>
    </message>
    <message>
        <source>no valid time</source>
        <translation>유효한 시간이 없습니다</translation>
    </message>
    <message>
        <source>no outcome or no list of changes</source>
        <translation>결과 또는 변경 목록이 없습니다</translation>
    </message>
    <message>
        <source>a change without a field name</source>
        <translation>필드 이름이 없는 변경 항목이 있습니다</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1을(를) 열 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 stayed locked by another program</source>
        <translation>%1이(가) 다른 프로그램에 의해 계속 잠겨 있습니다</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>line %1 of %2 skipped: %3</source>
        <translation>%2의 %1번째 줄을 건너뛰었습니다: %3</translation>
    </message>
    <message>
        <source>The change may have reached the printer, but it could not be added to the history: %1</source>
        <translation>변경이 프린터에 전달되었을 수 있지만 이력에 추가하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>The failed attempt could not be added to the history: %1</source>
        <translation>실패한 시도를 이력에 추가하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>The change could not be added to the history: %1</source>
        <translation>변경을 이력에 추가하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; the history is not written through links</source>
        <translation>%1은(는) 심볼릭 링크입니다. 이력은 링크를 통해 기록되지 않습니다</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1은(는) 일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>cannot read %1: %2 is not a folder</source>
        <translation>%1을(를) 읽을 수 없습니다: %2은(는) 폴더가 아닙니다</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Export CSV</source>
        <translation>CSV 내보내기</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv);;All files (*)</source>
        <translation>쉼표로 구분된 값 (*.csv);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>History of changes</source>
        <translation>변경 이력</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>프린터</translation>
    </message>
    <message>
        <source>All printers</source>
        <translation>모든 프린터</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>시간(UTC)</translation>
    </message>
    <message>
        <source>Front end</source>
        <translation>프런트엔드</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Way in</source>
        <translation>연결 경로</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>변경 내용</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>결과</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV 내보내기…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>The history could not be exported:
%1</source>
        <translation>이력을 내보내지 못했습니다:
%1</translation>
    </message>
</context>
<context>
    <name>Ipv4AddressEdit</name>
    <message>
        <source>This mask is not a run of ones followed by zeros (such as 255.255.255.0).</source>
        <translation>이 마스크는 1이 연속된 뒤 0이 이어지는 형식이 아닙니다(예: 255.255.255.0).</translation>
    </message>
    <message>
        <source>This is the network address of the subnet its mask spans; no device can use it.</source>
        <translation>마스크가 나타내는 서브넷의 네트워크 주소입니다. 어떤 장치도 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>This is the broadcast address of the subnet its mask spans; no device can use it.</source>
        <translation>마스크가 나타내는 서브넷의 브로드캐스트 주소입니다. 어떤 장치도 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>%1, part %2 of 4</source>
        <translation>%1, 4개 중 %2번째 부분</translation>
    </message>
    <message>
        <source>0 to 255</source>
        <translation>0~255</translation>
    </message>
</context>
<context>
    <name>LanEndpoints</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address or a range A.B.C.D-E</source>
        <translation>&quot;%1&quot;은(는) IPv4 주소나 A.B.C.D-E 범위가 아닙니다</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; ends before it starts</source>
        <translation>범위 &quot;%1&quot;의 끝이 시작보다 앞에 있습니다</translation>
    </message>
    <message>
        <source>more than %1 addresses</source>
        <translation>주소가 %1개를 넘습니다</translation>
    </message>
    <message>
        <source>the list has an empty entry (two commas in a row, or one at an end)</source>
        <translation>목록에 빈 항목이 있습니다(쉼표가 두 개 연달아 있거나 맨 앞이나 맨 뒤에 있음)</translation>
    </message>
</context>
<context>
    <name>LanSendChecks</name>
    <message>
        <source>The subnet mask %1 is not contiguous: its ones must all come before its zeros.</source>
        <translation>서브넷 마스크 %1이(가) 연속적이지 않습니다: 1인 비트가 모두 0인 비트보다 앞에 있어야 합니다.</translation>
    </message>
    <message>
        <source>The IP address %1 is the network address of its subnet; no device can use it.</source>
        <translation>IP 주소 %1은(는) 해당 서브넷의 네트워크 주소이므로 어떤 장치도 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>The IP address %1 is the broadcast address of its subnet; no device can use it.</source>
        <translation>IP 주소 %1은(는) 해당 서브넷의 브로드캐스트 주소이므로 어떤 장치도 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>The IP address %1 is reserved (%2) and cannot be a printer&apos;s address.</source>
        <translation>IP 주소 %1은(는) 예약된 주소(%2)이므로 프린터 주소로 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>The gateway %1 is outside the subnet %2 of the IP address; the printer could not reach it.</source>
        <translation>게이트웨이 %1이(가) IP 주소의 서브넷 %2 범위를 벗어나므로 프린터가 게이트웨이에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>The IP address %1 is already used by the printer %2 in the list.</source>
        <translation>IP 주소 %1은(는) 목록의 프린터 %2에서 이미 사용 중입니다.</translation>
    </message>
    <message>
        <source>The IP address %1 is outside the subnet %2 of this computer&apos;s address %3: this computer will no longer reach the printer without a route.</source>
        <translation>IP 주소 %1이(가) 이 컴퓨터 주소 %3의 서브넷 %2 범위를 벗어납니다: 라우트가 없으면 이 컴퓨터에서 더 이상 프린터에 연결할 수 없습니다.</translation>
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
        <translation>네트워크 설정</translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation>IP 주소:</translation>
    </message>
    <message>
        <source>Subnet Mask :</source>
        <translation>서브넷 마스크:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>게이트웨이:</translation>
    </message>
    <message>
        <source>Local Port :</source>
        <translation>로컬 포트:</translation>
    </message>
    <message>
        <source> (0 ~ 32767)</source>
        <translation> (0 ~ 32767)</translation>
    </message>
    <message>
        <source>Inactivity time :
(0 ~ 3600)    </source>
        <translation>유휴 시간:
(0 ~ 3600)    </translation>
    </message>
    <message>
        <source>sec (Default: 0)</source>
        <translation>초 (기본값: 0)</translation>
    </message>
    <message>
        <source>DHCP Mode</source>
        <translation>DHCP 모드</translation>
    </message>
    <message>
        <source>Device Baudrate :</source>
        <translation>장치 보드레이트:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>WLAN 설정</translation>
    </message>
    <message>
        <source>Ethernet Configuration</source>
        <translation>이더넷 설정</translation>
    </message>
    <message>
        <source>TCP port, up to 32767</source>
        <translation>TCP 포트, 최대 32767</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>초, 0~3600</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>펌웨어 버전:</translation>
    </message>
    <message>
        <source>The settings to be sent give these warnings:</source>
        <translation>전송할 설정에 대해 다음 경고가 있습니다:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>무시하고 저장</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>The settings to be sent conflict with the network or another printer:</source>
        <translation>보낼 설정이 네트워크 또는 다른 프린터와 충돌합니다:</translation>
    </message>
    <message>
        <source>Save despite the conflicts</source>
        <translation>충돌을 무시하고 저장</translation>
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
        <translation>이더넷 설정
(이더넷)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(WLAN)</source>
        <translation>WLAN 설정
(WLAN)</translation>
    </message>
    <message>
        <source>WLAN Configuration
(USB)</source>
        <translation>WLAN 설정
(USB)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>정보...</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>이력…</translation>
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
        <translation>IP 주소 - </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Addresses of this computer</source>
        <translation>이 컴퓨터의 주소</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>모든 주소</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Network Mode</source>
        <translation>네트워크 모드</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>인프라 네트워크</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>애드혹</translation>
    </message>
    <message>
        <source>Ad Hoc Channel</source>
        <translation>애드혹 채널</translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <translation>Wi-Fi Direct</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>채널</translation>
    </message>
    <message>
        <source>Conn Mode</source>
        <translation>연결 모드</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN 코드</translation>
    </message>
    <message>
        <source>IP Assignment Method</source>
        <translation>IP 할당 방법</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>자동 할당(DHCP)</translation>
    </message>
    <message>
        <source>Manual Allocation</source>
        <translation>수동 할당</translation>
    </message>
    <message>
        <source>Network Setting</source>
        <translation>네트워크 설정</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Inactivity Time (0~3600)</source>
        <translation>유휴 시간 (0~3600)</translation>
    </message>
    <message>
        <source>Sec (Default: 0)</source>
        <translation>초 (기본값: 0)</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>서브넷 마스크</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>게이트웨이</translation>
    </message>
    <message>
        <source>Channel, 1 to 14</source>
        <translation>채널, 1~14</translation>
    </message>
    <message>
        <source>Seconds, 0 to 3600</source>
        <translation>초, 0~3600</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>Permission denied: add your user to the &apos;dialout&apos; group (serial) or &apos;lp&apos; group (USB printer), then log in again</source>
        <translation>권한이 거부되었습니다: 사용자를 &apos;dialout&apos; 그룹(시리얼) 또는 &apos;lp&apos; 그룹(USB 프린터)에 추가한 후 다시 로그인하십시오</translation>
    </message>
    <message>
        <source>Your user needs to be in the group &apos;%1&apos; that owns %2: run &quot;sudo usermod -aG %1 $USER&quot;, then log in again.</source>
        <translation>사용자가 %2을(를) 소유한 그룹 &apos;%1&apos;에 속해 있어야 합니다: &quot;sudo usermod -aG %1 $USER&quot;를 실행한 후 다시 로그인하십시오.</translation>
    </message>
    <message>
        <source>No printer is ready on this line: its DSR or CTS signal is off.</source>
        <translation>이 회선에 준비된 프린터가 없습니다: DSR 또는 CTS 신호가 꺼져 있습니다.</translation>
    </message>
    <message>
        <source>The port does not take the printer&apos;s line settings (115200 baud, 8 data bits, no parity, 1 stop bit, RTS/CTS).</source>
        <translation>이 포트는 프린터의 통신 설정(보드 속도 115200, 데이터 비트 8, 패리티 없음, 정지 비트 1, RTS/CTS)을 지원하지 않습니다.</translation>
    </message>
    <message>
        <source>The device is in use by another program.</source>
        <translation>다른 프로그램에서 이 장치를 사용하고 있습니다.</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>&quot;%1&quot;은(는) 텍스트여야 합니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number</source>
        <translation>&quot;%1&quot;은(는) 정수여야 합니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a dotted IPv4 address such as &quot;192.168.0.10&quot;</source>
        <translation>&quot;%1&quot;은(는) &quot;192.168.0.10&quot;과 같이 점으로 구분된 IPv4 주소여야 합니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a value of the wrong kind</source>
        <translation>&quot;%1&quot;의 값 유형이 잘못되었습니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than its %2 bytes</source>
        <translation>&quot;%1&quot;이(가) 최대 %2바이트를 초과합니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not contain a zero character</source>
        <translation>&quot;%1&quot;에는 NUL 문자를 포함할 수 없습니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from 0 to %2</source>
        <translation>&quot;%1&quot;은(는) 0~%2 범위의 정수여야 합니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to one printer and is never part of a profile</source>
        <translation>&quot;%1&quot;은(는) 개별 프린터 고유의 설정이므로 프로필에 포함되지 않습니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a profile</source>
        <translation>&quot;%1&quot;은(는) 프로필의 설정 항목이 아닙니다</translation>
    </message>
    <message>
        <source>not valid JSON (%1 at offset %2)</source>
        <translation>유효한 JSON이 아닙니다(오프셋 %2: %1)</translation>
    </message>
    <message>
        <source>the file must hold one JSON object</source>
        <translation>파일에는 JSON 개체가 하나만 있어야 합니다</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot; (a profile holds &quot;format&quot; and &quot;config&quot;)</source>
        <translation>알 수 없는 키 &quot;%1&quot;(프로필에는 &quot;format&quot;과 &quot;config&quot;가 있습니다)</translation>
    </message>
    <message>
        <source>&quot;format&quot; must be &quot;%1&quot;</source>
        <translation>&quot;format&quot; 값은 &quot;%1&quot;이어야 합니다</translation>
    </message>
    <message>
        <source>the file has no &quot;config&quot; object</source>
        <translation>파일에 &quot;config&quot; 개체가 없습니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: Wi-Fi Direct needs a printer with the newer record layout</source>
        <translation>&quot;%1&quot;: Wi-Fi Direct에는 새로운 레코드 형식의 프린터가 필요합니다</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears more than once</source>
        <translation>키 &quot;%1&quot;이(가) 두 번 이상 나옵니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a secret; a secrets file holds only %2</source>
        <translation>&quot;%1&quot;은(는) 기밀 정보가 아닙니다. 기밀 정보 파일에는 %2만 들어갈 수 있습니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the profile would fix this DHCP printer at the address it holds now; a profile that changes the address assignment needs the address too (export with the address)</source>
        <translation>&quot;%1&quot;: 이 프로필은 이 DHCP 프린터를 현재 주소로 고정하게 됩니다. 주소 할당 방식을 바꾸는 프로필에는 주소도 있어야 합니다(주소를 포함하여 내보내십시오)</translation>
    </message>
</context>
<context>
    <name>ProtocolPage</name>
    <message>
        <source>Task State</source>
        <translation>서비스 상태</translation>
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
        <translation>커뮤니티 이름(읽기):</translation>
    </message>
    <message>
        <source>Community Name (Write):</source>
        <translation>커뮤니티 이름(쓰기):</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>트랩 IP 주소</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>트랩 커뮤니티</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Search...</source>
        <translation>검색...</translation>
    </message>
    <message>
        <source>Searching.</source>
        <translation>검색 중.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>SecretToggle</name>
    <message>
        <source>Show</source>
        <translation>표시</translation>
    </message>
    <message>
        <source>Show or hide what is typed</source>
        <translation>입력한 내용 표시 또는 숨기기</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>%1 표시</translation>
    </message>
</context>
<context>
    <name>SecretsDialog</name>
    <message>
        <source>WEP Key</source>
        <translation>WEP 키</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>PSK 키</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN 코드</translation>
    </message>
    <message>
        <source>The profile leaves out these secrets. Enter them for this printer:</source>
        <translation>프로필에 다음 기밀 정보가 포함되어 있지 않습니다. 이 프린터에 사용할 값을 입력하십시오:</translation>
    </message>
</context>
<context>
    <name>SecurityPage</name>
    <message>
        <source>Authentication</source>
        <translation>인증</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>개방형 시스템</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>공유 키</translation>
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
        <translation>암호화</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>없음</translation>
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
        <translation>WEP 키</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>PSK 키</translation>
    </message>
    <message>
        <source>Authentication ID</source>
        <translation>인증 ID</translation>
    </message>
    <message>
        <source>Authentication Password</source>
        <translation>인증 비밀번호</translation>
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
        <translation>번호</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>항목</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>값</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>프린터 이름</translation>
    </message>
    <message>
        <source>Printer Port Num</source>
        <translation>프린터 포트 번호</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>사용자 ID</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>사용자 비밀번호</translation>
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
        <translation>커뮤니티 이름(쓰기)</translation>
    </message>
    <message>
        <source>Get Community</source>
        <translation>커뮤니티 이름(읽기)</translation>
    </message>
    <message>
        <source>Trap IP Address</source>
        <translation>트랩 IP 주소</translation>
    </message>
    <message>
        <source>Trap Community</source>
        <translation>트랩 커뮤니티</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>네트워크 모드</translation>
    </message>
    <message>
        <source>Adhoc Channel</source>
        <translation>애드혹 채널</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>유휴 시간</translation>
    </message>
    <message>
        <source>IP Assignment method</source>
        <translation>IP 할당 방법</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>서브넷 마스크</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>게이트웨이</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>인증</translation>
    </message>
    <message>
        <source>Cryptograph</source>
        <translation>암호화 방식</translation>
    </message>
    <message>
        <source>WEP Key</source>
        <translation>WEP 키</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <translation>PSK 키</translation>
    </message>
    <message>
        <source>EAP Mode</source>
        <translation>EAP 모드</translation>
    </message>
    <message>
        <source>Auth ID</source>
        <translation>인증 ID</translation>
    </message>
    <message>
        <source>Auth Password/Certification Key(EAP-TLS)</source>
        <translation>인증 비밀번호/인증서 키(EAP-TLS)</translation>
    </message>
    <message>
        <source>P2P Conn Mode</source>
        <translation>P2P 연결 모드</translation>
    </message>
    <message>
        <source>P2P Channel</source>
        <translation>P2P 채널</translation>
    </message>
    <message>
        <source>P2P Pin Code</source>
        <translation>P2P PIN 코드</translation>
    </message>
    <message>
        <source>Settings written to the printer</source>
        <translation>프린터에 기록된 설정</translation>
    </message>
    <message>
        <source>&amp;Show secrets</source>
        <translation>기밀 정보 표시(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>Copies every row, tab-separated, as shown</source>
        <translation>표시된 그대로 모든 행을 탭으로 구분하여 복사합니다</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The BSS information has been imported successfully.</source>
        <translation>BSS 정보를 가져왔습니다.</translation>
    </message>
    <message>
        <source>Failed to import the BSS information.
Please check the IP address or port number to connect to.</source>
        <translation>BSS 정보를 가져오지 못했습니다.
연결할 IP 주소 또는 포트 번호를 확인하십시오.</translation>
    </message>
    <message>
        <source>Failed to connect to the printer.</source>
        <translation>프린터에 연결하지 못했습니다.</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Reset the printer.</source>
        <translation>설정이 완료되었습니다.
프린터를 재시작하십시오.</translation>
    </message>
    <message>
        <source>The configuration has failed.</source>
        <translation>설정하지 못했습니다.</translation>
    </message>
    <message>
        <source>Unable to open the port.</source>
        <translation>포트를 열 수 없습니다.</translation>
    </message>
    <message>
        <source>The User ID is incorrect.
Please try again.</source>
        <translation>사용자 ID가 올바르지 않습니다.
다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The Password is incorrect.
Please try again.</source>
        <translation>비밀번호가 올바르지 않습니다.
다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The system name is incorrect.
Please try again.</source>
        <translation>시스템 이름이 올바르지 않습니다.
다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The port number is incorrect.
Please try again.</source>
        <translation>포트 번호가 올바르지 않습니다.
다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The community name is incorrect.
Please try again.</source>
        <translation>커뮤니티 이름이 올바르지 않습니다.
다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The trap community is incorrect.
Please try again.</source>
        <translation>트랩 커뮤니티가 올바르지 않습니다.
다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The Adhoc channel is incorrect.
Please try again.</source>
        <translation>애드혹 채널이 올바르지 않습니다.
다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The SSID is incorrect.
Please try again.</source>
        <translation>SSID가 올바르지 않습니다.
다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
Please try again.</source>
        <translation>PSK 키가 올바르지 않습니다.
다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The certificate ID is incorrect.
Please try again.</source>
        <translation>인증서 ID가 올바르지 않습니다.
다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The certificate password is incorrect.
Please try again.</source>
        <translation>인증서 비밀번호가 올바르지 않습니다.
다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The printer has been connected successfully.</source>
        <translation>프린터에 연결되었습니다.</translation>
    </message>
    <message>
        <source>The certificate document has been uploaded successfully.
Reset the printer.</source>
        <translation>인증서 파일을 업로드했습니다.
프린터를 재시작하십시오.</translation>
    </message>
    <message>
        <source>Failed to upload the certificate document.
Reset the printer.</source>
        <translation>인증서 파일을 업로드하지 못했습니다.
프린터를 재시작하십시오.</translation>
    </message>
    <message>
        <source>The maximum size of a certificate file is 3KB.</source>
        <translation>인증서 파일의 최대 크기는 3KB입니다.</translation>
    </message>
    <message>
        <source>The certificate file is selected.</source>
        <translation>인증서 파일이 선택되었습니다.</translation>
    </message>
    <message>
        <source>The certificate file is invalid.</source>
        <translation>인증서 파일이 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>No certificate file is selected or the selected file is invalid.</source>
        <translation>인증서 파일을 선택하지 않았거나 선택한 파일이 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>The Adhoc mode is not available.
Authentication is allowed in either Open System or Shared Key.</source>
        <translation>애드혹 모드를 사용할 수 없습니다.
인증은 개방형 시스템 또는 공유 키만 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Failed to read the certificate file.</source>
        <translation>인증서 파일을 읽지 못했습니다.</translation>
    </message>
    <message>
        <source>Please select a device in the list.</source>
        <translation>목록에서 장치를 선택하십시오.</translation>
    </message>
    <message>
        <source>Please search for a device again.</source>
        <translation>장치를 다시 검색하십시오.</translation>
    </message>
    <message>
        <source>Error: Failed to read the list of information.</source>
        <translation>오류: 정보 목록을 읽지 못했습니다.</translation>
    </message>
    <message>
        <source>Please check the IP address or port number.</source>
        <translation>IP 주소 또는 포트 번호를 확인하십시오.</translation>
    </message>
    <message>
        <source>The specified port is not available.
Please enter a port number again.</source>
        <translation>지정한 포트를 사용할 수 없습니다.
포트 번호를 다시 입력하십시오.</translation>
    </message>
    <message>
        <source>The IP address cannot be used.
Please enter an IP address again.</source>
        <translation>이 IP 주소는 사용할 수 없습니다.
IP 주소를 다시 입력하십시오.</translation>
    </message>
    <message>
        <source>The configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>설정이 완료되었습니다.
목록이 새로 고쳐지지 않으면 장치를 다시 검색하십시오.</translation>
    </message>
    <message>
        <source>The WLAN configuration has been completed.
Please search for devices again if the list is not refreshed.</source>
        <translation>WLAN 설정이 완료되었습니다.
목록이 새로 고쳐지지 않으면 장치를 다시 검색하십시오.</translation>
    </message>
    <message>
        <source>Unable to configure the port.
Please enter a port number again.(0~32767)</source>
        <translation>포트를 설정할 수 없습니다.
포트 번호를 다시 입력하십시오(0~32767).</translation>
    </message>
    <message>
        <source>Unable to save the configuration.
Please configure again.</source>
        <translation>설정을 저장할 수 없습니다.
다시 설정하십시오.</translation>
    </message>
    <message>
        <source>The time has not been set.
Please enter time again.</source>
        <translation>시간이 설정되지 않았습니다.
시간을 다시 입력하십시오.</translation>
    </message>
    <message>
        <source>The channel number has not been set.
Please enter a channel number again.(0~14)</source>
        <translation>채널 번호가 설정되지 않았습니다.
채널 번호를 다시 입력하십시오(0~14).</translation>
    </message>
    <message>
        <source>Network is in Adhoc mode.
You must assign IP address manually.</source>
        <translation>네트워크가 애드혹 모드입니다.
IP 주소를 수동으로 할당해야 합니다.</translation>
    </message>
    <message>
        <source>Unable to connect to the USB device.</source>
        <translation>USB 장치에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane Tool</translation>
    </message>
    <message>
        <source>Now Searching</source>
        <translation>검색 중</translation>
    </message>
    <message>
        <source>System &amp; Information</source>
        <translation>시스템 및 정보</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <translation>BSS 정보</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>인증</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>프로토콜</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>네트워크</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>개방형 시스템</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>공유 키</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Infra Network</source>
        <translation>인프라 네트워크</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>애드혹</translation>
    </message>
    <message>
        <source>Manual allocation</source>
        <translation>수동 할당</translation>
    </message>
    <message>
        <source>Automatic Allocation(DHCP)</source>
        <translation>자동 할당(DHCP)</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>사용</translation>
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
        <translation>인증 비밀번호</translation>
    </message>
    <message>
        <source>Certification Password</source>
        <translation>인증서 비밀번호</translation>
    </message>
    <message>
        <source>Incorrect PIN. Please re-enter your PIN Code.</source>
        <translation>PIN이 올바르지 않습니다. PIN 코드를 다시 입력하십시오.</translation>
    </message>
    <message>
        <source>Currently no network connection is found. Check the network connection.</source>
        <translation>현재 네트워크 연결을 찾을 수 없습니다. 네트워크 연결을 확인하십시오.</translation>
    </message>
    <message>
        <source>The text is too long for the printer.
Please shorten it (some characters take more than one byte).</source>
        <translation>텍스트가 프린터에서 허용하는 길이를 초과합니다.
텍스트를 줄이십시오(일부 문자는 2바이트 이상을 차지합니다).</translation>
    </message>
    <message>
        <source>The PSK key is incorrect.
It must be 8 to 63 printable ASCII characters or 64 hexadecimal digits.</source>
        <translation>PSK 키가 올바르지 않습니다.
PSK 키는 인쇄 가능한 ASCII 문자 8~63자 또는 16진수 64자리여야 합니다.</translation>
    </message>
    <message>
        <source>This setting cannot be chosen together with the other settings.
Please check the settings and try again.</source>
        <translation>이 설정은 다른 설정과 함께 선택할 수 없습니다.
설정을 확인한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The search could not start.
%1</source>
        <translation>검색을 시작하지 못했습니다.
%1</translation>
    </message>
    <message>
        <source>The settings could not be sent.
%1</source>
        <translation>설정을 전송하지 못했습니다.
%1</translation>
    </message>
    <message>
        <source>The local address %1 cannot be used.</source>
        <translation>로컬 주소 %1은(는) 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>The local UDP port %1 cannot be used.</source>
        <translation>로컬 UDP 포트 %1은(는) 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>The request could not leave this computer: %1</source>
        <translation>이 컴퓨터에서 요청을 보내지 못했습니다: %1</translation>
    </message>
    <message>
        <source>No web browser could be opened.
Please open this address in a web browser:
%1</source>
        <translation>웹 브라우저를 열 수 없습니다.
웹 브라우저에서 다음 주소를 여십시오:
%1</translation>
    </message>
    <message>
        <source>The printer has no IP address configured.
Its web page cannot be opened.</source>
        <translation>프린터에 IP 주소가 설정되어 있지 않습니다.
프린터의 웹 페이지를 열 수 없습니다.</translation>
    </message>
    <message>
        <source>This printer does not offer Setting (feature code %1).</source>
        <translation>이 프린터는 [설정] 기능을 지원하지 않습니다(기능 코드 %1).</translation>
    </message>
    <message>
        <source>Discard the changes made since Connect?</source>
        <translation>연결한 이후 변경한 내용을 무시하시겠습니까?</translation>
    </message>
    <message>
        <source>WEP Key is invalid.
WEP Key must be 5 or 13 characters, or 10 or 26 hexadecimal digits.</source>
        <translation>WEP 키가 올바르지 않습니다.
WEP 키는 5자 또는 13자, 또는 16진수 10자리 또는 26자리여야 합니다.</translation>
    </message>
    <message>
        <source>Certification</source>
        <translation>인증서</translation>
    </message>
    <message>
        <source>The subnet mask is not valid: its ones must all come before its zeros.
Please enter the subnet mask again.</source>
        <translation>서브넷 마스크가 올바르지 않습니다: 1인 비트가 모두 0인 비트보다 앞에 있어야 합니다.
서브넷 마스크를 다시 입력하십시오.</translation>
    </message>
    <message>
        <source>UDP port %1 is in use by another program.</source>
        <translation>다른 프로그램에서 UDP 포트 %1을(를) 사용하고 있습니다.</translation>
    </message>
    <message>
        <source>The requests cannot be kept to interface %1: %2</source>
        <translation>요청을 인터페이스 %1(으)로만 제한할 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>프린터 이름</translation>
    </message>
    <message>
        <source>Printer Port Num (0 ~ 32767)</source>
        <translation>프린터 포트 번호 (0 ~ 32767)</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>사용자 ID</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>사용자 비밀번호</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>비밀번호 확인</translation>
    </message>
    <message>
        <source>Firmware Information</source>
        <translation>펌웨어 정보</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>펌웨어 버전:</translation>
    </message>
    <message>
        <source>Update Date :</source>
        <translation>업데이트 날짜:</translation>
    </message>
    <message>
        <source>Mac Address :</source>
        <translation>MAC 주소:</translation>
    </message>
    <message>
        <source>TCP port, 0 to 32767</source>
        <translation>TCP 포트, 0~32767</translation>
    </message>
</context>
<context>
    <name>VerificationNote</name>
    <message>
        <source>IP address</source>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>subnet mask</source>
        <translation>서브넷 마스크</translation>
    </message>
    <message>
        <source>gateway</source>
        <translation>게이트웨이</translation>
    </message>
    <message>
        <source>port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>inactivity time</source>
        <translation>유휴 시간</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>baud rate code</source>
        <translation>보드레이트 코드</translation>
    </message>
    <message>
        <source>Not verified: the printer did not answer the search after the change.</source>
        <translation>검증되지 않음: 변경 후 검색에 프린터가 응답하지 않았습니다.</translation>
    </message>
    <message>
        <source>Verified: now at %1, port %2</source>
        <translation>검증됨: 현재 주소 %1, 포트 %2</translation>
    </message>
    <message>
        <source>%1 %2 instead of %3</source>
        <translation>%1: %3 대신 %2</translation>
    </message>
    <message>
        <source>Not verified: the printer reports %1.</source>
        <translation>검증되지 않음: 프린터가 보고한 값은 %1입니다.</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>검증되지 않음: 검증이 취소되었습니다.</translation>
    </message>
    <message>
        <source>Not verified: DHCP is on and the printer has no address yet.</source>
        <translation>검증되지 않음: DHCP가 켜져 있고 프린터에 아직 주소가 없습니다.</translation>
    </message>
</context>
<context>
    <name>corvane::app::LauncherDialog</name>
    <message>
        <source>Provision printers...</source>
        <translation>여러 프린터 일괄 설정...</translation>
    </message>
</context>
<context>
    <name>corvane::lan::AssignAddressesDialog</name>
    <message>
        <source>Assign addresses</source>
        <translation>주소 할당</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>첫 주소</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>서브넷 마스크</translation>
    </message>
    <message>
        <source>Gateway (optional)</source>
        <translation>게이트웨이(선택)</translation>
    </message>
    <message>
        <source>Port (optional)</source>
        <translation>포트(선택)</translation>
    </message>
    <message>
        <source>Send rows with warnings too</source>
        <translation>경고가 있는 행도 전송</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MAC 주소</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>현재</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새 주소</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>결과</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>참고</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Enter the first address as four numbers 0-255 with dots between them.</source>
        <translation>첫 주소를 점으로 구분된 0-255 숫자 네 개로 입력하십시오.</translation>
    </message>
    <message>
        <source>Enter the subnet mask as four numbers 0-255 with dots between them.</source>
        <translation>서브넷 마스크를 점으로 구분된 0-255 숫자 네 개로 입력하십시오.</translation>
    </message>
    <message>
        <source>Enter the port as a number, or leave it empty to keep each printer&apos;s port.</source>
        <translation>포트를 숫자로 입력하거나, 각 프린터의 포트를 유지하려면 비워 두십시오.</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>전송 안 됨</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>찾을 수 없음</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>변경 없음</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>거부됨</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>확인됨</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>확인 안 됨</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>검증됨</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>검증 안 됨</translation>
    </message>
    <message>
        <source>Sending to %1 (%2 of %3)…</source>
        <translation>%1(으)로 전송 중 (%3개 중 %2번째)…</translation>
    </message>
    <message>
        <source>Waiting %1 s for the printers to restart, then searching for them again…</source>
        <translation>프린터가 다시 시작될 때까지 %1초 기다린 뒤 다시 검색합니다…</translation>
    </message>
    <message>
        <source>Cancelled before anything was sent.</source>
        <translation>아무것도 전송하기 전에 취소했습니다.</translation>
    </message>
    <message>
        <source>Cancelled: sent to %1; the other rows were not sent.</source>
        <translation>취소됨: %1에 전송했으며 나머지 행은 전송하지 않았습니다.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>%1 take each other&apos;s addresses in a circle, which would need a temporary address: nothing is sent to them. Give one of them an unused address first.</source>
        <translation>%1이(가) 서로의 주소를 순환하여 가져가므로 임시 주소가 필요합니다. 이들에게는 아무것도 보내지 않습니다. 먼저 그중 하나에 사용하지 않는 주소를 지정하십시오.</translation>
    </message>
    <message>
        <source>%1 still holds %2: its own row did not move it away, so this row was not sent.</source>
        <translation>%1이(가) 아직 %2을(를) 사용 중입니다. 그 프린터의 행이 주소를 옮기지 않았으므로 이 행은 보내지 않았습니다.</translation>
    </message>
    <message>
        <source>Not verified: the check was cancelled.</source>
        <translation>검증되지 않음: 검증이 취소되었습니다.</translation>
    </message>
    <message>
        <source>The check after the change was cancelled: the confirmed printers are not verified.</source>
        <translation>변경 후 검증이 취소되었습니다. 확인된 프린터는 검증되지 않았습니다.</translation>
    </message>
    <message>
        <source>will not be sent</source>
        <translation>전송하지 않음</translation>
    </message>
    <message>
        <source>will be sent</source>
        <translation>전송 예정</translation>
    </message>
    <message numerus="yes">
        <source>Done: the new address shows on %1 of %n printer(s).</source>
        <translation>
            <numerusform>완료: 프린터 %n대 중 %1대에서 새 주소를 확인했습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Send rows with conflicts too</source>
        <translation>충돌이 있는 행도 전송</translation>
    </message>
    <message>
        <source>Enter the gateway as four numbers 0-255, or leave it empty to keep each printer&apos;s gateway.</source>
        <translation>게이트웨이를 0-255 숫자 네 개로 입력하거나, 각 프린터의 게이트웨이를 유지하려면 비워 두십시오.</translation>
    </message>
    <message>
        <source>mask %1</source>
        <translation>마스크 %1</translation>
    </message>
    <message>
        <source>gateway %1</source>
        <translation>게이트웨이 %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>포트 %1</translation>
    </message>
    <message>
        <source>DHCP on</source>
        <translation>DHCP 켜짐</translation>
    </message>
    <message>
        <source>DHCP off</source>
        <translation>DHCP 꺼짐</translation>
    </message>
    <message>
        <source>Searching for the printers again: %1 of at most %2 s…</source>
        <translation>프린터를 다시 검색하는 중: %1초 경과(최대 %2초)…</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>프린터</translation>
    </message>
</context>
<context>
    <name>corvane::lan::DeviceListDialog</name>
    <message>
        <source>Assign addresses...</source>
        <translation>주소 할당...</translation>
    </message>
    <message>
        <source>Gives the chosen printers consecutive addresses.</source>
        <translation>선택한 프린터에 연속된 주소를 지정합니다.</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>도달 방식</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>어댑터</translation>
    </message>
    <message>
        <source>unicast</source>
        <translation>유니캐스트</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>브로드캐스트</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Searching for the printer again: %1 of at most %2 s…</source>
        <translation>프린터를 다시 검색하는 중: %1초 경과(최대 %2초)…</translation>
    </message>
    <message>
        <source>Print a test page</source>
        <translation>테스트 페이지 인쇄</translation>
    </message>
    <message>
        <source>Prints a test page on the printer at its new address %1, port %2.</source>
        <translation>새 주소 %1, 포트 %2의 프린터에서 테스트 페이지를 인쇄합니다.</translation>
    </message>
</context>
<context>
    <name>corvane::provision::ProvisionDialog</name>
    <message>
        <source>Provision printers</source>
        <translation>여러 프린터 일괄 설정</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>선택...</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>프로필(&amp;P):</translation>
    </message>
    <message>
        <source>Profiles (*.json)</source>
        <translation>프로필 (*.json)</translation>
    </message>
    <message>
        <source>Printers &amp;sheet (optional):</source>
        <translation>프린터 목록(선택)(&amp;S):</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 파일 (*.csv)</translation>
    </message>
    <message>
        <source>ttyUSB0, ttyS0</source>
        <translation>ttyUSB0, ttyS0</translation>
    </message>
    <message>
        <source>Se&amp;rial ports (optional):</source>
        <translation>시리얼 포트(선택)(&amp;R):</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC 주소</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>State</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Fields changed</source>
        <translation>변경 항목 수</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>소요 시간</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>결과</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>프린터</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>시작(&amp;T)</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>중지(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>The profile cannot be read: %1</source>
        <translation>프로필을 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The profile cannot be used: %1</source>
        <translation>프로필을 사용할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The printers sheet cannot be used: %1</source>
        <translation>프린터 목록을 사용할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>분리됨</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>대기 중</translation>
    </message>
    <message>
        <source>Configuring</source>
        <translation>설정 중</translation>
    </message>
    <message>
        <source>Done; unplug it</source>
        <translation>완료됨. 분리하십시오</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1초</translation>
    </message>
    <message>
        <source>Configured (profile only)</source>
        <translation>설정됨(프로필만)</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>설정됨</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>변경 없음</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>실패: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n printer(s) in progress.</source>
        <translation>
            <numerusform>진행 중인 프린터: %n대.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>중지되었습니다.</translation>
    </message>
    <message numerus="yes">
        <source>Stopping: %n printer(s) still in progress.</source>
        <translation>
            <numerusform>중지하는 중: 아직 %n대의 프린터가 진행 중입니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Configured: %1, unchanged: %2, failed: %3. %4</source>
        <comment>the totals, then the state sentence</comment>
        <translation>설정됨: %1, 변경 없음: %2, 실패: %3. %4</translation>
    </message>
</context>
</TS>
