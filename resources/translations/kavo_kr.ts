<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Paused</source>
        <translation>일시 중지됨</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>새로운 기능</translation>
    </message>
    <message>
        <source>This build of Kavo names no page with its changes.</source>
        <translation>이 Kavo 빌드에는 변경 내용 페이지가 지정되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>웹사이트</translation>
    </message>
    <message>
        <source>This build of Kavo names no website.</source>
        <translation>이 Kavo 빌드에는 웹사이트가 지정되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</source>
        <translation>이 데스크톱에서는 마우스 커서를 소프트웨어로 그릴 수 없습니다. 커서는 그대로 유지됩니다.</translation>
    </message>
</context>
<context>
    <name>ColorTriggers</name>
    <message>
        <source>Line %1 is not &quot;program = temperature brightness&quot;: %2</source>
        <translation>%1번째 줄이 &quot;프로그램 = 색온도 밝기&quot; 형식이 아닙니다: %2</translation>
    </message>
</context>
<context>
    <name>Cyclops</name>
    <message>
        <source>Restart your PC</source>
        <translation>PC 다시 시작</translation>
    </message>
    <message>
        <source>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</source>
        <translation>더 낮은 값을 사용할 수 있도록 Kavo가 시스템을 약간 변경했습니다. 모든 기능을 사용하려면 PC를 한 번 다시 시작해야 합니다.</translation>
    </message>
    <message>
        <source>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</source>
        <translation>PC를 다시 시작해야 하므로 일부 기능이 제한됩니다. 현재 고수준 색상 API를 사용하고 있습니다.</translation>
    </message>
</context>
<context>
    <name>DebugConsoleWindow</name>
    <message>
        <source>Copy all</source>
        <translation>모두 복사</translation>
    </message>
</context>
<context>
    <name>DebugInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>클릭하면 텍스트를 클립보드에 복사합니다</translation>
    </message>
</context>
<context>
    <name>MagnificationApi</name>
    <message>
        <source>Kavo Color Effects</source>
        <translation>Kavo 색상 효과</translation>
    </message>
    <message>
        <source>Failed to initialize color effects.</source>
        <translation>색상 효과를 초기화하지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message>
        <source>sec</source>
        <translation>초</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>min</source>
        <translation>분</translation>
    </message>
</context>
<context>
    <name>TaskbarButton</name>
    <message>
        <source>Work/Break</source>
        <translation>작업/휴식</translation>
    </message>
    <message>
        <source>Reset timer</source>
        <translation>타이머 초기화</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>일시 중지/재개</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>타이머 일시 중지됨</translation>
    </message>
</context>
<context>
    <name>TransitionTimesInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>클릭하면 텍스트를 클립보드에 복사합니다</translation>
    </message>
    <message>
        <source>Detected current Clock time</source>
        <translation>감지된 현재 시각</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>현지 시각</translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation>UTC 시각</translation>
    </message>
    <message>
        <source>Day start time</source>
        <translation>주간 시작 시각</translation>
    </message>
    <message>
        <source>Day transition start time</source>
        <translation>주간 전환 시작 시각</translation>
    </message>
    <message>
        <source>Day transition end time</source>
        <translation>주간 전환 종료 시각</translation>
    </message>
    <message>
        <source>Day end time</source>
        <translation>주간 종료 시각</translation>
    </message>
    <message>
        <source>Night start time</source>
        <translation>야간 시작 시각</translation>
    </message>
    <message>
        <source>Night transition start time</source>
        <translation>야간 전환 시작 시각</translation>
    </message>
    <message>
        <source>Night transition end time</source>
        <translation>야간 전환 종료 시각</translation>
    </message>
    <message>
        <source>Night end time</source>
        <translation>야간 종료 시각</translation>
    </message>
    <message>
        <source>Day duration</source>
        <translation>주간 길이</translation>
    </message>
    <message>
        <source>Day transition duration</source>
        <translation>주간 전환 시간</translation>
    </message>
    <message>
        <source>Night duration</source>
        <translation>야간 길이</translation>
    </message>
    <message>
        <source>Night transition duration</source>
        <translation>야간 전환 시간</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>표준 시간대</translation>
    </message>
    <message>
        <source>Custom Time zone offset</source>
        <translation>사용자 지정 표준 시간대 오프셋</translation>
    </message>
    <message>
        <source>Sunrise time</source>
        <translation>일출 시각</translation>
    </message>
    <message>
        <source>Sunset time</source>
        <translation>일몰 시각</translation>
    </message>
    <message>
        <source>New moon offset</source>
        <translation>신월 오프셋</translation>
    </message>
    <message>
        <source>Full moon offset</source>
        <translation>보름달 오프셋</translation>
    </message>
    <message>
        <source>Current moon offset</source>
        <translation>현재 달 오프셋</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>취침 시각</translation>
    </message>
    <message>
        <source>Bedtime transition start time</source>
        <translation>취침 전환 시작 시각</translation>
    </message>
    <message>
        <source>Bedtime transition end time</source>
        <translation>취침 전환 종료 시각</translation>
    </message>
    <message>
        <source>Bedtime end time</source>
        <translation>취침 종료 시각</translation>
    </message>
    <message>
        <source>Wake time</source>
        <translation>기상 시각</translation>
    </message>
    <message>
        <source>Wake time transition start time</source>
        <translation>기상 전환 시작 시각</translation>
    </message>
    <message>
        <source>Wake time transition end time</source>
        <translation>기상 전환 종료 시각</translation>
    </message>
    <message>
        <source>Wake time end time</source>
        <translation>기상 종료 시각</translation>
    </message>
    <message>
        <source>Sleep duration</source>
        <translation>수면 시간</translation>
    </message>
    <message>
        <source>Sleep transition duration</source>
        <translation>수면 전환 시간</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>위도</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>경도</translation>
    </message>
    <message>
        <source>Use Automatic Location</source>
        <translation>자동 위치 사용</translation>
    </message>
    <message>
        <source>Use Manual Night Duration</source>
        <translation>야간 길이 수동 설정 사용</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>Loading...</source>
        <translation>불러오는 중...</translation>
    </message>
    <message>
        <source>Location unknown: set it by hand</source>
        <translation>위치를 알 수 없습니다: 직접 설정하세요</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>새 버전 사용 가능</translation>
    </message>
    <message>
        <source>Kavo %1 is available</source>
        <translation>Kavo %1 버전을 사용할 수 있습니다</translation>
    </message>
    <message>
        <source>This build of Kavo names no update server</source>
        <translation>이 Kavo 빌드에는 업데이트 서버가 지정되어 있지 않습니다</translation>
    </message>
    <message>
        <source>No answer from the update server</source>
        <translation>업데이트 서버에서 응답이 없습니다</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read</source>
        <translation>업데이트 서버의 응답을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>Kavo is up to date</source>
        <translation>Kavo가 최신 버전입니다</translation>
    </message>
    <message>
        <source>100 % leaves colours as they are; 0 % is grey.</source>
        <translation>100 %는 색상을 그대로 두고, 0 %는 회색입니다.</translation>
    </message>
    <message>
        <source>A cursor drawn in software takes on the screen colours.</source>
        <translation>소프트웨어로 그린 커서는 화면 색상을 따라 바뀝니다.</translation>
    </message>
    <message>
        <source>A window with Kavo&apos;s log as it is written. Click again to close it.</source>
        <translation>Kavo의 로그를 기록되는 대로 보여 주는 창입니다. 다시 클릭하면 닫힙니다.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Achromatomaly</source>
        <translation>전색약</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>전색맹</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>고급</translation>
    </message>
    <message>
        <source>Allows values from 0 K (deep red) to 10000 K (cold blue).</source>
        <translation>0 K(진한 빨강)부터 10000 K(차가운 파랑)까지의 값을 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Allows values from 10 % to 150 %.</source>
        <translation>10 %부터 150 %까지의 값을 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Apply the saturation above.</source>
        <translation>위의 채도를 적용합니다.</translation>
    </message>
    <message>
        <source>Ask the update server once, whatever the settings above.</source>
        <translation>위의 설정과 관계없이 업데이트 서버에 한 번 확인합니다.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>자동 업데이트</translation>
    </message>
    <message>
        <source>Autosave settings changes</source>
        <translation>설정 변경 내용 자동 저장</translation>
    </message>
    <message>
        <source>Bedtime:</source>
        <translation>취침 시각:</translation>
    </message>
    <message>
        <source>Biohacker</source>
        <translation>바이오해커</translation>
    </message>
    <message>
        <source>Block keyboard on strict mode</source>
        <translation>엄격 모드에서 키보드 잠금</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>파랑</translation>
    </message>
    <message>
        <source>Blue light</source>
        <translation>블루라이트</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>밝기</translation>
    </message>
    <message>
        <source>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</source>
        <translation>일몰 후의 밝기입니다. 어두운 방에서는 화면이 어두울수록 눈의 피로가 줄어듭니다.</translation>
    </message>
    <message>
        <source>Brightness in daylight, in percent of the full screen brightness.</source>
        <translation>주간의 밝기로, 화면 최대 밝기에 대한 백분율입니다.</translation>
    </message>
    <message>
        <source>Brightness of the sleep period.</source>
        <translation>수면 시간대의 밝기입니다.</translation>
    </message>
    <message>
        <source>Build this window only when it is first opened, which saves memory and start-up time.</source>
        <translation>이 창을 처음 열 때 만들어 메모리와 시작 시간을 절약합니다.</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>변경</translation>
    </message>
    <message>
        <source>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</source>
        <translation>새 감마 램프를 매번 조금씩 바꿔서, 반복된 램프를 무시하는 디스플레이 드라이버도 Kavo의 색상을 다시 적용하게 합니다. 예를 들어 게임이 색상을 초기화한 후에 유용합니다.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>지금 확인</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>페이지 선택</translation>
    </message>
    <message>
        <source>Choose the monitors Kavo changes, and whether each has colours of its own.</source>
        <translation>Kavo가 변경할 모니터와, 모니터마다 별도의 색상을 사용할지 선택합니다.</translation>
    </message>
    <message>
        <source>ClearType</source>
        <translation>ClearType</translation>
    </message>
    <message>
        <source>ClearType with alternative renderer</source>
        <translation>ClearType(대체 렌더러)</translation>
    </message>
    <message>
        <source>Click to copy the text to the clipboard</source>
        <translation>클릭하면 텍스트를 클립보드에 복사합니다</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Closing the window hides it instead of minimising it.</source>
        <translation>창을 닫으면 최소화하지 않고 숨깁니다.</translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation>색 구성표</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>색온도</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</source>
        <translation>일몰 후의 색온도입니다. 저녁의 따뜻한 빛은 수면에 덜 방해가 됩니다.</translation>
    </message>
    <message>
        <source>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</source>
        <translation>주간의 색온도입니다. 6500 K가 중립이며, 값이 낮을수록 따뜻하고 블루라이트가 줄어듭니다.</translation>
    </message>
    <message>
        <source>Colour temperature of the sleep period.</source>
        <translation>수면 시간대의 색온도입니다.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>다크</translation>
    </message>
    <message>
        <source>Day Brightness</source>
        <translation>주간 밝기</translation>
    </message>
    <message>
        <source>Day Light</source>
        <translation>주간 조명</translation>
    </message>
    <message>
        <source>Day Temperature</source>
        <translation>주간 색온도</translation>
    </message>
    <message>
        <source>Day Transition:</source>
        <translation>주간 전환:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>디버그</translation>
    </message>
    <message>
        <source>Debug console</source>
        <translation>디버그 콘솔</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>디버그 정보</translation>
    </message>
    <message>
        <source>Degrees east; negative in the west.</source>
        <translation>동경(도)이며, 서경은 음수입니다.</translation>
    </message>
    <message>
        <source>Degrees north; negative in the south.</source>
        <translation>북위(도)이며, 남위는 음수입니다.</translation>
    </message>
    <message>
        <source>Desaturated</source>
        <translation>채도 낮춤</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>녹색약</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>녹색맹</translation>
    </message>
    <message>
        <source>During strict breaks the keyboard does nothing.</source>
        <translation>엄격한 휴식 중에는 키보드가 작동하지 않습니다.</translation>
    </message>
    <message>
        <source>Each step enlarges the screen a little more.</source>
        <translation>한 단계마다 화면을 조금 더 확대합니다.</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>간격</translation>
    </message>
    <message>
        <source>Every language is named in its own words.</source>
        <translation>각 언어는 해당 언어로 된 이름으로 표시됩니다.</translation>
    </message>
    <message>
        <source>Extended values</source>
        <translation>확장 범위</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>Fonts type</source>
        <translation>글꼴 다듬기</translation>
    </message>
    <message>
        <source>Full Moon offset:</source>
        <translation>보름달 오프셋:</translation>
    </message>
    <message>
        <source>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</source>
        <translation>전체 화면 색상 필터: 회색조, 반전, 세피아, 색각 필터.</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>게임</translation>
    </message>
    <message>
        <source>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</source>
        <translation>모니터마다 색온도와 밝기를 따로 설정합니다. 모니터는 위의 탭에서 선택하세요.</translation>
    </message>
    <message>
        <source>Grayclase Red</source>
        <translation>빨강 회색조</translation>
    </message>
    <message>
        <source>Grayscale 1</source>
        <translation>회색조 1</translation>
    </message>
    <message>
        <source>Grayscale 2</source>
        <translation>회색조 2</translation>
    </message>
    <message>
        <source>Grayscale 3</source>
        <translation>회색조 3</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>초록</translation>
    </message>
    <message>
        <source>Groot</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>건강</translation>
    </message>
    <message>
        <source>Hide Taskbar icon on close</source>
        <translation>닫을 때 작업 표시줄 아이콘 숨기기</translation>
    </message>
    <message>
        <source>How Kavo fits into your desktop.</source>
        <translation>Kavo가 데스크톱에서 동작하는 방식입니다.</translation>
    </message>
    <message>
        <source>How Kavo keeps its colours on the screen.</source>
        <translation>Kavo가 화면의 색상을 유지하는 방식입니다.</translation>
    </message>
    <message>
        <source>How Kavo keeps your settings and notices that you are away.</source>
        <translation>Kavo가 설정을 저장하고 자리 비움을 감지하는 방식입니다.</translation>
    </message>
    <message>
        <source>How a colour temperature turns into screen colours.</source>
        <translation>색온도를 화면 색상으로 바꾸는 방식입니다.</translation>
    </message>
    <message>
        <source>How bright the screen is by day and by night.</source>
        <translation>주간과 야간의 화면 밝기입니다.</translation>
    </message>
    <message>
        <source>How long colours glide when Kavo pauses, resumes or changes mode or type.</source>
        <translation>Kavo를 일시 중지하거나 재개할 때, 또는 모드나 유형을 바꿀 때 색상이 부드럽게 바뀌는 시간입니다.</translation>
    </message>
    <message>
        <source>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</source>
        <translation>주간으로 바뀌는 데 걸리는 시간입니다. 일출을 중심으로 하거나, 시각으로 정한 야간이 끝날 때 완료됩니다.</translation>
    </message>
    <message>
        <source>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</source>
        <translation>야간으로 바뀌는 데 걸리는 시간입니다. 일몰을 중심으로 하거나, 시각으로 정한 야간이 시작될 때 완료됩니다.</translation>
    </message>
    <message>
        <source>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</source>
        <translation>수면 시간대로 들어가고 나오는 데 걸리는 시간입니다. 각각 취침 시각과 기상 시각에 완료됩니다.</translation>
    </message>
    <message>
        <source>How much blue light the screen gives off by day and by night.</source>
        <translation>주간과 야간에 화면이 내보내는 블루라이트의 양입니다.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at full moon.</source>
        <translation>보름달일 때 야간과 주간이 얼마나 일찍 시작되는지입니다.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at new moon.</source>
        <translation>신월일 때 야간과 주간이 얼마나 일찍 시작되는지입니다.</translation>
    </message>
    <message>
        <source>How often a running Kavo looks again.</source>
        <translation>실행 중인 Kavo가 다시 확인하는 주기입니다.</translation>
    </message>
    <message>
        <source>How slowly the colours change between day, night and sleep.</source>
        <translation>주간, 야간, 수면 사이에서 색상이 바뀌는 속도입니다.</translation>
    </message>
    <message>
        <source>How the system smooths the edges of text.</source>
        <translation>시스템이 글자의 가장자리를 부드럽게 처리하는 방식입니다.</translation>
    </message>
    <message>
        <source>Invert colors</source>
        <translation>색상 반전</translation>
    </message>
    <message>
        <source>Kavo</source>
        <translation>Kavo</translation>
    </message>
    <message>
        <source>Kavo can look for a new version and tell you when one is out.</source>
        <translation>Kavo는 새 버전을 확인하고 새 버전이 나오면 알려 줄 수 있습니다.</translation>
    </message>
    <message>
        <source>Kavo follows the sun at your location. Without a location of your own it looks one up.</source>
        <translation>Kavo는 사용자 위치의 해를 따라갑니다. 직접 지정한 위치가 없으면 위치를 자동으로 찾습니다.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and needs to relaunch for them to take effect.</source>
        <translation>Kavo가 시스템을 변경했습니다. 변경 내용을 적용하려면 Kavo를 다시 실행해야 합니다.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and restart is needed for changes to take effect.</source>
        <translation>Kavo가 시스템을 변경했습니다. 변경 내용을 적용하려면 PC를 다시 시작해야 합니다.</translation>
    </message>
    <message>
        <source>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</source>
        <translation>Kavo가 눈을 보호합니다. 밤에는 눈에 편한 색상을 쓰고 휴식할 때를 알려 줍니다.</translation>
    </message>
    <message>
        <source>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</source>
        <translation>Kavo 버전, 시스템과 데스크톱, 모든 설정입니다. 텍스트를 클릭하면 복사됩니다.</translation>
    </message>
    <message>
        <source>Keep the night brightness all the time instead of following the sun.</source>
        <translation>해를 따라가지 않고 항상 야간 밝기를 유지합니다.</translation>
    </message>
    <message>
        <source>Keep the night value all the time instead of following the sun.</source>
        <translation>해를 따라가지 않고 항상 야간 값을 유지합니다.</translation>
    </message>
    <message>
        <source>Keeps Kavo light while it waits in the background.</source>
        <translation>백그라운드에서 대기하는 동안 Kavo를 가볍게 유지합니다.</translation>
    </message>
    <message>
        <source>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</source>
        <translation>키 입력을 자리에 있는 것으로 간주합니다. 키 입력이 약 20분 동안 없으면 휴식 타이머가 멈추고, 돌아오면 다시 시작됩니다.</translation>
    </message>
    <message>
        <source>Keyboard inactivity</source>
        <translation>키보드 비활성</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>위도:</translation>
    </message>
    <message>
        <source>Leading Color</source>
        <translation>주 색상</translation>
    </message>
    <message>
        <source>Let Kavo set the frequency above.</source>
        <translation>위의 주파수를 Kavo가 설정하도록 합니다.</translation>
    </message>
    <message>
        <source>Let Kavo tell you when a new version is out.</source>
        <translation>새 버전이 나오면 Kavo가 알려 줍니다.</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>선형</translation>
    </message>
    <message>
        <source>Linear Blue</source>
        <translation>선형 파랑</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>경도:</translation>
    </message>
    <message>
        <source>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</source>
        <translation>Kavo가 시작될 때와 그 후 정기적으로 새 버전을 확인합니다. 다른 설정과 함께 저장됩니다.</translation>
    </message>
    <message>
        <source>Look now</source>
        <translation>직접 확인</translation>
    </message>
    <message>
        <source>Magmus</source>
        <translation>Magmus</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>돋보기</translation>
    </message>
    <message>
        <source>Manage monitors</source>
        <translation>모니터 관리</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>수동</translation>
    </message>
    <message>
        <source>Manual Brightness</source>
        <translation>수동 밝기</translation>
    </message>
    <message>
        <source>Manual blue light</source>
        <translation>수동 블루라이트</translation>
    </message>
    <message>
        <source>Manual color settings</source>
        <translation>수동 색상 설정</translation>
    </message>
    <message>
        <source>Manual location</source>
        <translation>수동 위치</translation>
    </message>
    <message>
        <source>Manual night duration</source>
        <translation>야간 길이 수동 설정</translation>
    </message>
    <message>
        <source>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</source>
        <translation>많은 화면은 백라이트를 매우 빠르게 켰다 껐다 하여(PWM) 어둡게 합니다. 주파수가 높을수록 깜박임이 적습니다.</translation>
    </message>
    <message>
        <source>Max Frequency</source>
        <translation>최대 주파수</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>모드</translation>
    </message>
    <message>
        <source>Monitor 1</source>
        <translation>모니터 1</translation>
    </message>
    <message>
        <source>Monitor 2</source>
        <translation>모니터 2</translation>
    </message>
    <message>
        <source>Monitor 3</source>
        <translation>모니터 3</translation>
    </message>
    <message>
        <source>Monitor 4</source>
        <translation>모니터 4</translation>
    </message>
    <message>
        <source>Monitor 5</source>
        <translation>모니터 5</translation>
    </message>
    <message>
        <source>Monitor 6</source>
        <translation>모니터 6</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>달</translation>
    </message>
    <message>
        <source>Mouse inactivity</source>
        <translation>마우스 비활성</translation>
    </message>
    <message>
        <source>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</source>
        <translation>마우스 움직임을 자리에 있는 것으로 간주합니다. 움직임이 약 20분 동안 없으면 휴식 타이머가 멈추고, 돌아오면 다시 시작됩니다.</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>영화</translation>
    </message>
    <message>
        <source>Mutes or strengthens the colours of the whole screen.</source>
        <translation>화면 전체의 색상을 약하게 하거나 강하게 합니다.</translation>
    </message>
    <message>
        <source>Negative Grayclased Red</source>
        <translation>네거티브 빨강 회색조</translation>
    </message>
    <message>
        <source>Negative Grayscale</source>
        <translation>네거티브 회색조</translation>
    </message>
    <message>
        <source>Negative Sepia</source>
        <translation>네거티브 세피아</translation>
    </message>
    <message>
        <source>New Moon offset:</source>
        <translation>신월 오프셋:</translation>
    </message>
    <message>
        <source>News, help and the latest version.</source>
        <translation>소식, 도움말, 최신 버전.</translation>
    </message>
    <message>
        <source>Night Brightness</source>
        <translation>야간 밝기</translation>
    </message>
    <message>
        <source>Night Light</source>
        <translation>야간 조명</translation>
    </message>
    <message>
        <source>Night Temperature</source>
        <translation>야간 색온도</translation>
    </message>
    <message>
        <source>Night Transition:</source>
        <translation>야간 전환:</translation>
    </message>
    <message>
        <source>Night ends at:</source>
        <translation>야간 종료 시각:</translation>
    </message>
    <message>
        <source>Night starts at:</source>
        <translation>야간 시작 시각:</translation>
    </message>
    <message>
        <source>No smoothing</source>
        <translation>다듬기 없음</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</source>
        <translation>아래 전환 시각에 표시됩니다. 해의 일정 자체는 시스템의 표준 시간대를 따릅니다.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>Olaf</source>
        <translation>Olaf</translation>
    </message>
    <message>
        <source>Old Photo</source>
        <translation>오래된 사진</translation>
    </message>
    <message>
        <source>Open or close</source>
        <translation>열기/닫기</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>웹사이트 열기</translation>
    </message>
    <message>
        <source>Optimize UI Creation</source>
        <translation>UI 생성 최적화</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>오버레이</translation>
    </message>
    <message>
        <source>PWM Control</source>
        <translation>PWM 제어</translation>
    </message>
    <message>
        <source>PWM Frequency</source>
        <translation>PWM 주파수</translation>
    </message>
    <message>
        <source>PWM control</source>
        <translation>PWM 제어</translation>
    </message>
    <message>
        <source>Pause Transition:</source>
        <translation>일시 중지 전환:</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>일시 중지됨</translation>
    </message>
    <message>
        <source>Per Monitor Settings</source>
        <translation>모니터별 설정</translation>
    </message>
    <message>
        <source>Preview 24 hours</source>
        <translation>24시간 미리 보기</translation>
    </message>
    <message>
        <source>Productive</source>
        <translation>집중</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>프로그래밍</translation>
    </message>
    <message>
        <source>Protanomaly</source>
        <translation>적색약</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>적색맹</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>독서</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>빨강</translation>
    </message>
    <message>
        <source>Relaunch is needed</source>
        <translation>Kavo 다시 실행 필요</translation>
    </message>
    <message>
        <source>Relaunch now</source>
        <translation>지금 다시 실행</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Restart is needed</source>
        <translation>PC 다시 시작 필요</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>지금 다시 시작</translation>
    </message>
    <message>
        <source>Revert colors</source>
        <translation>색상 복원</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>채도</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>저장 후 닫기</translation>
    </message>
    <message>
        <source>Save changes when the window closes. Without it, closing the window brings back the saved settings.</source>
        <translation>창을 닫을 때 변경 내용을 저장합니다. 끄면 창을 닫을 때 저장된 설정으로 되돌아갑니다.</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>일정</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>화면</translation>
    </message>
    <message>
        <source>Screen effect</source>
        <translation>화면 효과</translation>
    </message>
    <message>
        <source>Screen effects</source>
        <translation>화면 효과</translation>
    </message>
    <message>
        <source>Send usage statistics</source>
        <translation>사용 통계 보내기</translation>
    </message>
    <message>
        <source>Sephia</source>
        <translation>세피아</translation>
    </message>
    <message>
        <source>Set the frequency again with every colour update, for screens that lose it.</source>
        <translation>주파수를 잃는 화면을 위해 색상을 업데이트할 때마다 주파수를 다시 설정합니다.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>변경 내용 보기</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>간단</translation>
    </message>
    <message>
        <source>Simple Inversion</source>
        <translation>단순 반전</translation>
    </message>
    <message>
        <source>Simple view</source>
        <translation>간단히 보기</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>수면</translation>
    </message>
    <message>
        <source>Sleep Brightness</source>
        <translation>수면 밝기</translation>
    </message>
    <message>
        <source>Sleep Light</source>
        <translation>수면 조명</translation>
    </message>
    <message>
        <source>Sleep Transition:</source>
        <translation>수면 전환:</translation>
    </message>
    <message>
        <source>Smart Inversion 1</source>
        <translation>스마트 반전 1</translation>
    </message>
    <message>
        <source>Smart Inversion 2</source>
        <translation>스마트 반전 2</translation>
    </message>
    <message>
        <source>Smart Inversion 3</source>
        <translation>스마트 반전 3</translation>
    </message>
    <message>
        <source>Smart Inversion 4</source>
        <translation>스마트 반전 4</translation>
    </message>
    <message>
        <source>Smart Inversion 5</source>
        <translation>스마트 반전 5</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>표준</translation>
    </message>
    <message>
        <source>Start Kavo on startup</source>
        <translation>로그인할 때 Kavo 시작</translation>
    </message>
    <message>
        <source>Start Kavo when you log in.</source>
        <translation>로그인하면 Kavo를 시작합니다.</translation>
    </message>
    <message>
        <source>Start and end the night by the clock instead of by the sun.</source>
        <translation>해 대신 시각에 따라 야간을 시작하고 끝냅니다.</translation>
    </message>
    <message>
        <source>Steps back until the screen is at its normal size.</source>
        <translation>화면이 원래 크기가 될 때까지 단계적으로 축소합니다.</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>엄격</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>선글라스</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>색상 교환</translation>
    </message>
    <message>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>The changes in this version of Kavo.</source>
        <translation>이 Kavo 버전의 변경 내용입니다.</translation>
    </message>
    <message>
        <source>The colour temperature of the screen by day and by night, and inverted colours.</source>
        <translation>주간과 야간의 화면 색온도, 그리고 색상 반전입니다.</translation>
    </message>
    <message>
        <source>The colour that stays strongest at warm temperatures.</source>
        <translation>따뜻한 색온도에서 가장 강하게 남는 색상입니다.</translation>
    </message>
    <message>
        <source>The filter laid over the whole screen.</source>
        <translation>화면 전체에 씌우는 필터입니다.</translation>
    </message>
    <message>
        <source>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</source>
        <translation>PWM 제어가 켜져 있을 때 Kavo가 설정하는 주파수입니다. 지원되는 주파수는 화면 제조사에 문의하세요.</translation>
    </message>
    <message>
        <source>The highest frequency the slider offers, in hertz.</source>
        <translation>슬라이더에서 선택할 수 있는 최대 주파수(헤르츠)입니다.</translation>
    </message>
    <message>
        <source>The language of Kavo&apos;s windows, menus and messages.</source>
        <translation>Kavo의 창, 메뉴, 메시지에 사용할 언어입니다.</translation>
    </message>
    <message>
        <source>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</source>
        <translation>달은 해의 일정을 옮깁니다. 야간과 주간은 오프셋만큼 일찍 시작되며, 오프셋은 달이 차오름에 따라 신월 값에서 보름달 값으로 바뀝니다.</translation>
    </message>
    <message>
        <source>The sleep period ends here.</source>
        <translation>수면 시간대가 여기서 끝납니다.</translation>
    </message>
    <message>
        <source>The sleep period starts here.</source>
        <translation>수면 시간대가 여기서 시작됩니다.</translation>
    </message>
    <message>
        <source>The table of colours Kavo follows from warm to cold.</source>
        <translation>Kavo가 따뜻한 색에서 차가운 색까지 따르는 색상표입니다.</translation>
    </message>
    <message>
        <source>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</source>
        <translation>이 화면에서는 Kavo가 PWM을 제어할 수 없습니다. 보조 프로그램 kavo_get_pwm_frequency가 없거나 주파수를 알려 주지 않습니다.</translation>
    </message>
    <message>
        <source>This desktop offers Kavo no backlight: the screen&apos;s brightness stays as it is.</source>
        <translation>이 데스크톱은 Kavo에 백라이트 제어를 제공하지 않습니다. 화면 밝기는 그대로 유지됩니다.</translation>
    </message>
    <message>
        <source>This desktop&apos;s night light shows only the colour temperature: colour schemes, the leading colour and screen effects need gamma ramps.</source>
        <translation>이 데스크톱의 야간 조명은 색온도만 표시합니다. 색 구성표, 주요 색상, 화면 효과에는 감마 램프가 필요합니다.</translation>
    </message>
    <message>
        <source>Time zone offset:</source>
        <translation>표준 시간대 오프셋:</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>타이머</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>전환</translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation>청색약</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>청색맹</translation>
    </message>
    <message>
        <source>Turn the chosen filter on or off.</source>
        <translation>선택한 필터를 켜거나 끕니다.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>Update continuously</source>
        <translation>계속 업데이트</translation>
    </message>
    <message>
        <source>Use Advanced Settings</source>
        <translation>고급 설정 사용</translation>
    </message>
    <message>
        <source>Use Gamma Fixer</source>
        <translation>감마 보정 사용</translation>
    </message>
    <message>
        <source>Use software mouse cursor</source>
        <translation>소프트웨어 마우스 커서 사용</translation>
    </message>
    <message>
        <source>Use the coordinates below instead of the looked-up location.</source>
        <translation>자동으로 찾은 위치 대신 아래 좌표를 사용합니다.</translation>
    </message>
    <message>
        <source>Use the sleep colours between bedtime and wake time.</source>
        <translation>취침 시각부터 기상 시각까지 수면 색상을 사용합니다.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Wake time:</source>
        <translation>기상 시각:</translation>
    </message>
    <message>
        <source>Warmer, dimmer colours for the hours before you go to bed.</source>
        <translation>잠자리에 들기 전 시간 동안 더 따뜻하고 어두운 색상을 사용합니다.</translation>
    </message>
    <message>
        <source>Washout 1</source>
        <translation>워시아웃 1</translation>
    </message>
    <message>
        <source>Washout 2</source>
        <translation>워시아웃 2</translation>
    </message>
    <message>
        <source>Washout 3</source>
        <translation>워시아웃 3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>웹사이트</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>새로운 기능</translation>
    </message>
    <message>
        <source>What to send with a request for help. Nothing leaves your computer unless you send it.</source>
        <translation>도움을 요청할 때 보낼 내용입니다. 직접 보내지 않는 한 어떤 정보도 컴퓨터 밖으로 나가지 않습니다.</translation>
    </message>
    <message>
        <source>Where Kavo computes sunrise and sunset for.</source>
        <translation>Kavo가 일출과 일몰을 계산하는 위치입니다.</translation>
    </message>
    <message>
        <source>Where the desktop decides font smoothing itself, this choice has no effect.</source>
        <translation>데스크톱이 글꼴 다듬기를 직접 결정하는 경우 이 설정은 효과가 없습니다.</translation>
    </message>
    <message>
        <source>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</source>
        <translation>어떤 페이지와 창을 열었는지를 매번 새로운 임의 번호로 보내며, 이름이나 주소는 보내지 않습니다. 이 Kavo 빌드에 통계 주소가 지정된 경우에만 보냅니다.</translation>
    </message>
    <message>
        <source>Zoom In:</source>
        <translation>확대:</translation>
    </message>
    <message>
        <source>Zoom Out:</source>
        <translation>축소:</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Zooms the whole screen around the mouse pointer.</source>
        <translation>마우스 포인터를 중심으로 화면 전체를 확대합니다.</translation>
    </message>
    <message>
        <source>day</source>
        <translation>일</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>숨김</translation>
    </message>
    <message>
        <source>month</source>
        <translation>월</translation>
    </message>
    <message>
        <source>per minute</source>
        <translation>분당</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>휴식</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>표시</translation>
    </message>
    <message>
        <source>until</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>week</source>
        <translation>주</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>A minute of exercises, shown step by step in the corner of your screen.</source>
        <translation>1분 동안의 운동을 화면 구석에 단계별로 보여 줍니다.</translation>
    </message>
    <message>
        <source>A program in front gets colours of its own: a film brighter, a reader warmer.</source>
        <translation>앞에 있는 프로그램에 전용 색상을 사용합니다. 영화는 더 밝게, 문서 뷰어는 더 따뜻하게.</translation>
    </message>
    <message>
        <source>A short tone in the last seconds before a rest and before work.</source>
        <translation>휴식과 작업이 시작되기 직전 몇 초 동안 짧은 소리를 냅니다.</translation>
    </message>
    <message>
        <source>A small window in the corner of the screen with the count and the camera picture.</source>
        <translation>깜박임 횟수와 카메라 화면을 보여 주는 화면 구석의 작은 창입니다.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>응용 프로그램</translation>
    </message>
    <message>
        <source>Artificial intelligence (AI)</source>
        <translation>인공 지능(AI)</translation>
    </message>
    <message>
        <source>Auto clicker</source>
        <translation>자동 클릭</translation>
    </message>
    <message>
        <source>Auto close rest screen</source>
        <translation>휴식 화면 자동 닫기</translation>
    </message>
    <message>
        <source>Automatic brightness</source>
        <translation>자동 밝기</translation>
    </message>
    <message>
        <source>Back exercises</source>
        <translation>허리 운동</translation>
    </message>
    <message>
        <source>Blink detection</source>
        <translation>눈 깜박임 감지</translation>
    </message>
    <message>
        <source>Blink screen</source>
        <translation>깜박임 창</translation>
    </message>
    <message>
        <source>Break every</source>
        <translation>휴식 간격</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>휴식</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>클릭 중</translation>
    </message>
    <message>
        <source>Clicks the left mouse button where the pointer is, again and again.</source>
        <translation>포인터가 있는 위치에서 마우스 왼쪽 버튼을 계속 클릭합니다.</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>색상 일시 중지 앱</translation>
    </message>
    <message>
        <source>Color triggers</source>
        <translation>색상 트리거</translation>
    </message>
    <message>
        <source>Colour changes pause while one of these programs shows: for drawing, photos and films.</source>
        <translation>이 프로그램 중 하나가 표시되는 동안 색상 변경을 멈춥니다. 그림, 사진, 영화 작업에 적합합니다.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Continue when you are ready.</source>
        <translation>준비가 되면 계속하세요.</translation>
    </message>
    <message>
        <source>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</source>
        <translation>분당 눈 깜박임 횟수를 셉니다. 화면을 응시하면 깜박임이 줄어드는데, 횟수가 이를 알려 줍니다.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</source>
        <translation>위의 단축키와 관계없이 Ctrl+Alt+Shift+F10은 모든 설정을 초기화하고, Ctrl+Alt+Shift+F11은 Kavo를 종료하며, Ctrl+Alt+Shift+F12는 색상을 초기화합니다.</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>밝기 낮추기</translation>
    </message>
    <message>
        <source>Decrease temperature</source>
        <translation>색온도 낮추기</translation>
    </message>
    <message>
        <source>Dim the screen a little while it shows bright content.</source>
        <translation>화면에 밝은 내용이 표시되는 동안 화면을 약간 어둡게 합니다.</translation>
    </message>
    <message>
        <source>End screen overlay</source>
        <translation>화면 오버레이 끝내기</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>운동</translation>
    </message>
    <message>
        <source>Eye exercises</source>
        <translation>눈 운동</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>기능</translation>
    </message>
    <message>
        <source>Fullscreen apps</source>
        <translation>전체 화면 앱</translation>
    </message>
    <message>
        <source>Have a rest</source>
        <translation>휴식하기</translation>
    </message>
    <message>
        <source>In front now</source>
        <translation>현재 앞에 있는 프로그램</translation>
    </message>
    <message>
        <source>Incoming break</source>
        <translation>곧 휴식</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>밝기 높이기</translation>
    </message>
    <message>
        <source>Increase temperature</source>
        <translation>색온도 높이기</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>입력</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>설치</translation>
    </message>
    <message>
        <source>Invert the colours while the screen shows mostly bright content.</source>
        <translation>화면에 주로 밝은 내용이 표시되는 동안 색상을 반전합니다.</translation>
    </message>
    <message>
        <source>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</source>
        <translation>Kavo는 방의 밝기와 화면 내용에 맞춰 화면을 조정합니다. 카메라 영상과 스크린샷은 측정 후 바로 버려지며, 저장되거나 어디로도 전송되지 않습니다.</translation>
    </message>
    <message>
        <source>Kavo listens to its shortcuts in every program.</source>
        <translation>Kavo는 모든 프로그램에서 단축키를 받습니다.</translation>
    </message>
    <message>
        <source>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</source>
        <translation>Kavo가 눈을 쉬도록 알려 줍니다. 일정 시간 작업할 때마다 짧게 휴식하세요.</translation>
    </message>
    <message>
        <source>Kavo version</source>
        <translation>Kavo 버전</translation>
    </message>
    <message>
        <source>Keep the screen as bright as the room around it.</source>
        <translation>화면을 주변 방의 밝기에 맞춥니다.</translation>
    </message>
    <message>
        <source>Key combinations that reach Kavo from every program.</source>
        <translation>어느 프로그램에서든 Kavo를 조작하는 키 조합입니다.</translation>
    </message>
    <message>
        <source>Lite</source>
        <translation>라이트</translation>
    </message>
    <message>
        <source>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</source>
        <translation>라이트는 남은 시간만 표시하는 어두운 화면입니다. 간단과 표준은 전체 페이지이며, 표준에는 시계와 휴식 아이디어가 추가됩니다.</translation>
    </message>
    <message>
        <source>Look away from the screen and let your eyes relax.</source>
        <translation>화면에서 눈을 떼고 눈을 쉬게 하세요.</translation>
    </message>
    <message>
        <source>Look far, roll and blink: eyes that focus on a screen all day need it most.</source>
        <translation>먼 곳 보기, 눈 굴리기, 깜박이기: 하루 종일 화면을 보는 눈에 가장 필요합니다.</translation>
    </message>
    <message>
        <source>Manual or automatic</source>
        <translation>수동 또는 자동</translation>
    </message>
    <message>
        <source>Match brightness to lighting</source>
        <translation>조명에 맞춰 밝기 조정</translation>
    </message>
    <message>
        <source>Milliseconds between two clicks, at least 10.</source>
        <translation>두 클릭 사이의 밀리초로, 최소 10입니다.</translation>
    </message>
    <message>
        <source>Minutes of work, then seconds of rest.</source>
        <translation>작업 시간(분)과 휴식 시간(초)입니다.</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>마우스 일시 중지 앱</translation>
    </message>
    <message>
        <source>Neck exercises</source>
        <translation>목 운동</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</source>
        <translation>일반 휴식은 건너뛸 수 있지만 엄격한 휴식은 건너뛸 수 없습니다. 집중은 화면을 덮지 않고 작은 카운트다운을 표시합니다.</translation>
    </message>
    <message>
        <source>One program per line, named as it runs (vlc, kmplayer). Add fullscreen after a name to pause only while it fills the screen.</source>
        <translation>한 줄에 프로그램 하나를 실행 이름으로 적습니다(vlc, kmplayer). 이름 뒤에 fullscreen을 붙이면 전체 화면일 때만 멈춥니다.</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, bsplayer).</source>
        <translation>한 줄에 프로그램 하나를 실행 이름 그대로 적습니다(vlc, bsplayer).</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, kmplayer).</source>
        <translation>한 줄에 프로그램 하나를 실행 이름 그대로 적습니다(vlc, kmplayer).</translation>
    </message>
    <message>
        <source>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</source>
        <translation>한 줄에 프로그램 하나씩 &quot;이름 = 색온도 밝기&quot; 형식으로 적습니다. 예: vlc = 6500 120. 색온도는 0~10000 K, 밝기는 10~150 %입니다.</translation>
    </message>
    <message>
        <source>Pause colour changes while a listed program shows.</source>
        <translation>목록의 프로그램이 표시되는 동안 색상 변경을 멈춥니다.</translation>
    </message>
    <message>
        <source>Pause colour changes while any program fills the screen.</source>
        <translation>프로그램이 전체 화면으로 표시되는 동안 색상 변경을 멈춥니다.</translation>
    </message>
    <message>
        <source>Pause or resume Kavo</source>
        <translation>Kavo 일시 중지 또는 재개</translation>
    </message>
    <message>
        <source>Pause or resume the timer</source>
        <translation>타이머 일시 중지 또는 재개</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>미루기</translation>
    </message>
    <message>
        <source>Postpone duration</source>
        <translation>미루는 시간</translation>
    </message>
    <message>
        <source>Press the new combination</source>
        <translation>새 키 조합을 누르세요</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>프로그램</translation>
    </message>
    <message>
        <source>Programs and colours</source>
        <translation>프로그램 및 색상</translation>
    </message>
    <message>
        <source>Quit Kavo</source>
        <translation>Kavo 종료</translation>
    </message>
    <message>
        <source>Rest screen</source>
        <translation>휴식 화면</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Screen effects on or off</source>
        <translation>화면 효과 켜기/끄기</translation>
    </message>
    <message>
        <source>Overlays</source>
        <translation>오버레이</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>센서</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>건너뛰기</translation>
    </message>
    <message>
        <source>Slow turns and tilts for a neck that held one position too long.</source>
        <translation>한 자세로 너무 오래 있었던 목을 위해 천천히 돌리고 기울이는 운동입니다.</translation>
    </message>
    <message>
        <source>Smart brightness</source>
        <translation>스마트 밝기</translation>
    </message>
    <message>
        <source>Smart inversion</source>
        <translation>스마트 반전</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Start a break</source>
        <translation>휴식 시작</translation>
    </message>
    <message>
        <source>Start screen overlay</source>
        <translation>화면 오버레이 시작</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Stop it here, from the tray menu or by quitting Kavo.</source>
        <translation>여기서, 트레이 메뉴에서, 또는 Kavo를 종료하여 멈출 수 있습니다.</translation>
    </message>
    <message>
        <source>Stop the break timer while a listed program shows.</source>
        <translation>목록의 프로그램이 표시되는 동안 휴식 타이머를 멈춥니다.</translation>
    </message>
    <message>
        <source>Stop the break timer while any program fills the screen.</source>
        <translation>프로그램이 전체 화면으로 표시되는 동안 휴식 타이머를 멈춥니다.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>중지됨</translation>
    </message>
    <message>
        <source>Stretches you can do standing beside your desk.</source>
        <translation>책상 옆에 서서 할 수 있는 스트레칭입니다.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while a listed program shows.</source>
        <translation>목록의 프로그램이 표시되는 동안 소프트웨어 커서를 끕니다.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while any program fills the screen.</source>
        <translation>프로그램이 전체 화면으로 표시되는 동안 소프트웨어 커서를 끕니다.</translation>
    </message>
    <message>
        <source>Ten seconds before a rest Kavo offers to move it by this many minutes.</source>
        <translation>휴식 10초 전에 Kavo가 휴식을 이 시간(분)만큼 미룰지 묻습니다.</translation>
    </message>
    <message>
        <source>The break timer stops while one of these programs shows: films, presentations, calls.</source>
        <translation>이 프로그램 중 하나가 표시되는 동안 휴식 타이머가 멈춥니다. 영화, 프레젠테이션, 통화에 적합합니다.</translation>
    </message>
    <message>
        <source>The camera measures the room light and the brightness follows it, a little every second.</source>
        <translation>카메라가 방의 밝기를 측정하고, 밝기가 매초 조금씩 따라갑니다.</translation>
    </message>
    <message>
        <source>The program you are using, as the lists name it.</source>
        <translation>사용 중인 프로그램을 목록에서 쓰는 이름으로 표시합니다.</translation>
    </message>
    <message>
        <source>The rest is over</source>
        <translation>휴식이 끝났습니다</translation>
    </message>
    <message>
        <source>The software cursor goes while one of these programs shows: games draw their own.</source>
        <translation>이 프로그램 중 하나가 표시되는 동안 소프트웨어 커서를 없앱니다. 게임은 자체 커서를 그리기 때문입니다.</translation>
    </message>
    <message>
        <source>This is a strict rest: it ends by itself.</source>
        <translation>엄격한 휴식입니다. 자동으로 끝납니다.</translation>
    </message>
    <message>
        <source>Time for a rest</source>
        <translation>휴식할 시간입니다</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>타이머 일시 중지 앱</translation>
    </message>
    <message>
        <source>Timer type</source>
        <translation>타이머 유형</translation>
    </message>
    <message>
        <source>Use sounds</source>
        <translation>소리 사용</translation>
    </message>
    <message>
        <source>Use the colours of the list while a listed program is in front.</source>
        <translation>목록의 프로그램이 앞에 있는 동안 목록의 색상을 사용합니다.</translation>
    </message>
    <message>
        <source>Use the first camera for the room light and the blink count.</source>
        <translation>방의 밝기와 깜박임 횟수에 첫 번째 카메라를 사용합니다.</translation>
    </message>
    <message>
        <source>What covers your monitors during a rest.</source>
        <translation>휴식 중에 모니터를 덮는 화면입니다.</translation>
    </message>
    <message>
        <source>What the shortcut does.</source>
        <translation>단축키가 하는 일입니다.</translation>
    </message>
    <message>
        <source>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</source>
        <translation>휴식이 끝나면 바로 작업이 시작됩니다. 끄면 휴식 화면이 계속하기를 기다립니다.</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>min</source>
        <translation>분</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>초</translation>
    </message>
    <message>
        <source>until rest</source>
        <translation>휴식까지</translation>
    </message>
    <message>
        <source>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</source>
        <translation>%b는 enable 또는 disable, %d는 정수, %f는 숫자, %s는 단어입니다. 주문을 클릭하면 입력란에 복사됩니다.</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>실행</translation>
    </message>
    <message>
        <source>Click again to reset every setting</source>
        <translation>다시 클릭하면 모든 설정이 초기화됩니다</translation>
    </message>
    <message>
        <source>Enter your spell:</source>
        <translation>주문 입력:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Hidden features</source>
        <translation>숨겨진 기능</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Move your settings to another computer, or keep a copy.</source>
        <translation>설정을 다른 컴퓨터로 옮기거나 사본을 보관합니다.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>기본값으로 초기화</translation>
    </message>
    <message>
        <source>Settings exported</source>
        <translation>설정을 내보냈습니다</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>설정 파일</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>주문</translation>
    </message>
    <message>
        <source>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</source>
        <translation>주문으로 페이지에 항목이 없는 설정을 바꿀 수 있습니다. 같은 주문을 명령줄에서도 쓸 수 있습니다: kavo &quot;type dark&quot;</translation>
    </message>
    <message>
        <source>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</source>
        <translation>화면 위에 반투명한 색상 레이어를 씌워 색상 조정만 할 때보다 화면을 더 어둡게 하고 색을 입힙니다. 클릭은 레이어를 통과합니다.</translation>
    </message>
    <message>
        <source>Day Dim</source>
        <translation>주간 어둡게</translation>
    </message>
    <message>
        <source>Day Opacity</source>
        <translation>주간 불투명도</translation>
    </message>
    <message>
        <source>How dark the surroundings are.</source>
        <translation>주변이 어두운 정도입니다.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is at night.</source>
        <translation>야간에 레이어 색상을 얼마나 더 어둡게 할지 정합니다.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is by day.</source>
        <translation>주간에 레이어 색상을 얼마나 더 어둡게 할지 정합니다.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen at night.</source>
        <translation>야간에 레이어가 화면을 덮는 정도입니다.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen by day.</source>
        <translation>주간에 레이어가 화면을 덮는 정도입니다.</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>남색</translation>
    </message>
    <message>
        <source>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</source>
        <translation>화면의 한 부분을 밝게 남기고 그 주변을 어둡게 합니다. 클릭은 통과합니다.</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>레몬</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>스포트라이트</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>자홍</translation>
    </message>
    <message>
        <source>Night Dim</source>
        <translation>야간 어둡게</translation>
    </message>
    <message>
        <source>Night Opacity</source>
        <translation>야간 불투명도</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>불투명도</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>주황</translation>
    </message>
    <message>
        <source>Overlay color</source>
        <translation>오버레이 색상</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>보라</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>반경</translation>
    </message>
    <message>
        <source>Reset area</source>
        <translation>영역 초기화</translation>
    </message>
    <message>
        <source>Scarlet</source>
        <translation>진홍</translation>
    </message>
    <message>
        <source>Screen overlay</source>
        <translation>화면 오버레이</translation>
    </message>
    <message>
        <source>Select an area, then drag over the screen: the area stays clear. Escape cancels.</source>
        <translation>&quot;영역 선택&quot;을 누른 다음 화면에서 드래그하면 그 영역은 덮이지 않습니다. Esc를 누르면 취소됩니다.</translation>
    </message>
    <message>
        <source>Select area</source>
        <translation>영역 선택</translation>
    </message>
    <message>
        <source>Show the layer.</source>
        <translation>레이어를 표시합니다.</translation>
    </message>
    <message>
        <source>Show the spot.</source>
        <translation>밝은 부분을 표시합니다.</translation>
    </message>
    <message>
        <source>The colour of the layer.</source>
        <translation>레이어의 색상입니다.</translation>
    </message>
    <message>
        <source>The size of the bright spot.</source>
        <translation>밝은 부분의 크기입니다.</translation>
    </message>
    <message>
        <source>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</source>
        <translation>이 데스크톱에서는 사용자가 입력하지 않는 동안에만 이 효과가 표시됩니다. 2초 동안 입력이 없으면 효과를 적용한 화면 이미지가 화면을 덮고, 키를 누르거나 마우스를 움직이면 사라집니다.</translation>
    </message>
    <message>
        <source>This effect shows at once.</source>
        <translation>이 효과는 바로 표시됩니다.</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>청록</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>바이올렛</translation>
    </message>
    <message>
        <source>Where the spot sits across the screen.</source>
        <translation>밝은 부분의 가로 위치입니다.</translation>
    </message>
    <message>
        <source>Where the spot sits down the screen.</source>
        <translation>밝은 부분의 세로 위치입니다.</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>노랑</translation>
    </message>
    <message>
        <source>Settings imported</source>
        <translation>설정을 가져왔습니다</translation>
    </message>
    <message>
        <source>Settings not imported</source>
        <translation>설정을 가져오지 못했습니다</translation>
    </message>
    <message>
        <source>%1 conflicts with %2</source>
        <translation>%1 프로그램이 %2와(과) 충돌합니다</translation>
    </message>
    <message>
        <source>%1 conflicts with %2 color changes and you may see some ON/OFF flicker of the colors.
%2 automatically closes such apps, but please uninstall one of the apps if you still have problems.</source>
        <translation>%1 프로그램이 %2의 색상 변경과 충돌하여 색상이 켜졌다 꺼졌다 깜박일 수 있습니다.
%2는(은) 이런 앱을 자동으로 닫지만, 그래도 문제가 계속되면 둘 중 하나의 앱을 제거하세요.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Remaining %1</source>
        <translation>남은 시간 %1</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>카메라를 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>Object detectors not found</source>
        <translation>개체 감지기를 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>Invalid spell</source>
        <translation>잘못된 주문</translation>
    </message>
    <message>
        <source>The spell &quot;%1&quot; seems wrong. Check the syntax or try with some other hidden feature.
Use &quot;help&quot; to see the list of all hidden features :)</source>
        <translation>주문 &quot;%1&quot;이(가) 잘못된 것 같습니다. 구문을 확인하거나 다른 숨겨진 기능을 사용해 보세요.
&quot;help&quot;를 입력하면 모든 숨겨진 기능 목록을 볼 수 있습니다 :)</translation>
    </message>
    <message>
        <source>Hidden feature succeeded</source>
        <translation>숨겨진 기능 실행 완료</translation>
    </message>
    <message>
        <source>%1 succeeded</source>
        <translation>실행 완료: %1</translation>
    </message>
    <message>
        <source>Invalid temperature</source>
        <translation>잘못된 색온도</translation>
    </message>
    <message>
        <source>%1 is invalid value for Color temperature. Use number between 0 and 10000.</source>
        <translation>%1은(는) 색온도에 사용할 수 없는 값입니다. 0에서 10000 사이의 숫자를 사용하세요.</translation>
    </message>
    <message>
        <source>Temperature changed</source>
        <translation>색온도 변경됨</translation>
    </message>
    <message>
        <source>Color temperature changed to %1K</source>
        <translation>색온도를 변경했습니다: %1K</translation>
    </message>
    <message>
        <source>Invalid brightness</source>
        <translation>잘못된 밝기</translation>
    </message>
    <message>
        <source>%1 is invalid value for Brightness. Use number between 10 and 100.</source>
        <translation>%1은(는) 밝기에 사용할 수 없는 값입니다. 10에서 100 사이의 숫자를 사용하세요.</translation>
    </message>
    <message>
        <source>Brightness changed</source>
        <translation>밝기 변경됨</translation>
    </message>
    <message>
        <source>Brightness changed to %1%</source>
        <translation>밝기를 변경했습니다: %1%</translation>
    </message>
    <message>
        <source>Invalid Night start time</source>
        <translation>잘못된 야간 시작 시각</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night start time. Use number between 0 and 24.</source>
        <translation>%1은(는) 야간 시작 시각에 사용할 수 없는 값입니다. 0에서 24 사이의 숫자를 사용하세요.</translation>
    </message>
    <message>
        <source>Night start time changed</source>
        <translation>야간 시작 시각 변경됨</translation>
    </message>
    <message>
        <source>Manual night start time changed to %1h</source>
        <translation>수동 야간 시작 시각을 변경했습니다: %1h</translation>
    </message>
    <message>
        <source>Invalid Night end time</source>
        <translation>잘못된 야간 종료 시각</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night end time. Use number between 0 and 24.</source>
        <translation>%1은(는) 야간 종료 시각에 사용할 수 없는 값입니다. 0에서 24 사이의 숫자를 사용하세요.</translation>
    </message>
    <message>
        <source>Night end time changed</source>
        <translation>야간 종료 시각 변경됨</translation>
    </message>
    <message>
        <source>Manual night end time changed to %1h</source>
        <translation>수동 야간 종료 시각을 변경했습니다: %1h</translation>
    </message>
    <message>
        <source>Kavo is switching to %1 type</source>
        <translation>Kavo가 %1 유형으로 전환하는 중입니다</translation>
    </message>
    <message>
        <source>You will see the difference in your screen after a moment :)</source>
        <translation>잠시 후 화면에서 차이를 확인할 수 있습니다 :)</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>알림 켜짐</translation>
    </message>
    <message>
        <source>Hidden features notifications are enabled. They are show so you will know when your spell is successful</source>
        <translation>숨겨진 기능 알림이 켜졌습니다. 주문이 성공하면 알림이 표시됩니다.</translation>
    </message>
    <message>
        <source>Notifications disabled</source>
        <translation>알림 꺼짐</translation>
    </message>
    <message>
        <source>Hidden features notifications are disabled. This is the last notification that you will see</source>
        <translation>숨겨진 기능 알림이 꺼졌습니다. 이 알림이 마지막으로 표시되는 알림입니다.</translation>
    </message>
    <message>
        <source>Gamma fixer enabled</source>
        <translation>감마 보정 켜짐</translation>
    </message>
    <message>
        <source>Gamma fixer is enabled. If notice slight color changing every second disable the Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini changes from time to time.</source>
        <translation>감마 보정이 켜졌습니다. 색상이 매초 조금씩 바뀌는 것이 보이면 감마 보정을 다시 끄세요. Windows가 가끔 Kavo mini의 변경을 무시하기 때문에 감마 보정을 사용합니다.</translation>
    </message>
    <message>
        <source>Gamma fixer disabled</source>
        <translation>감마 보정 꺼짐</translation>
    </message>
    <message>
        <source>Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or click the Kavo mini icon several times. Both should force Kavo to change the screen colors.</source>
        <translation>감마 보정이 꺼졌습니다. 화면이 갑자기 밝아지면 다시 켜거나 Kavo mini 아이콘을 여러 번 클릭하세요. 두 방법 모두 Kavo가 화면 색상을 다시 변경하게 합니다.</translation>
    </message>
    <message>
        <source>Software cursor enabled</source>
        <translation>소프트웨어 커서 켜짐</translation>
    </message>
    <message>
        <source>Color changes will apply also on the cursor. If it starts to dissappear use disable software cursor to make it bright again.</source>
        <translation>색상 변경이 커서에도 적용됩니다. 커서가 잘 보이지 않으면 &quot;disable software cursor&quot;를 사용하여 다시 밝게 하세요.</translation>
    </message>
    <message>
        <source>Hardware cursor enabled</source>
        <translation>하드웨어 커서 켜짐</translation>
    </message>
    <message>
        <source>Color changes will not apply on the cursor. If you don&apos;t like the bright blue cursor at night use enable software cursor to make apply color changes on the cursor.</source>
        <translation>색상 변경이 커서에 적용되지 않습니다. 밤에 밝은 파란색 커서가 거슬리면 &quot;enable software cursor&quot;를 사용하여 커서에도 색상 변경을 적용하세요.</translation>
    </message>
    <message>
        <source>Conflicting applications enabled</source>
        <translation>충돌하는 응용 프로그램 허용됨</translation>
    </message>
    <message>
        <source>Conflicting applications are enabled. You can now use other softwares which change the screen colors.</source>
        <translation>충돌하는 응용 프로그램이 허용되었습니다. 이제 화면 색상을 바꾸는 다른 소프트웨어를 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Conflicting applications disabled</source>
        <translation>충돌하는 응용 프로그램 차단됨</translation>
    </message>
    <message>
        <source>Conflicting applications are disabled. In order to not cause flicker conflicting applications are disabled.</source>
        <translation>깜박임을 막기 위해 충돌하는 응용 프로그램이 차단되었습니다.</translation>
    </message>
    <message>
        <source>Monitor %1 disabled</source>
        <translation>모니터 %1 꺼짐</translation>
    </message>
    <message>
        <source>Kavo will not apply color changes to Monitor %1</source>
        <translation>Kavo가 모니터 %1의 색상을 변경하지 않습니다</translation>
    </message>
    <message>
        <source>Monitor %1 enabled</source>
        <translation>모니터 %1 켜짐</translation>
    </message>
    <message>
        <source>Kavo will apply color changes to Monitor %1</source>
        <translation>Kavo가 모니터 %1의 색상을 변경합니다</translation>
    </message>
    <message>
        <source>Color range is already expanded</source>
        <translation>색상 범위가 이미 확장되어 있습니다</translation>
    </message>
    <message>
        <source>Color range is already expanded. If you have problems with lower values try to Restart your PC. If the problem persist write to us with info about your PC to test and fix this.</source>
        <translation>색상 범위가 이미 확장되어 있습니다. 낮은 값에서 문제가 있으면 PC를 다시 시작해 보세요. 그래도 문제가 계속되면 테스트와 수정을 위해 PC 정보와 함께 알려 주세요.</translation>
    </message>
    <message>
        <source>Expand color range Failed</source>
        <translation>색상 범위 확장 실패</translation>
    </message>
    <message>
        <source>Expand color range Failed you need Admin permission to execute this</source>
        <translation>색상 범위 확장 실패: 이 작업을 실행하려면 관리자 권한이 필요합니다</translation>
    </message>
    <message>
        <source>No uninstaller in the App folder</source>
        <translation>앱 폴더에 제거 프로그램이 없습니다</translation>
    </message>
    <message>
        <source>There is not uninstaller in &quot;%1&quot;
 You can quit %2 and delete the folder by hand</source>
        <translation>&quot;%1&quot;에 제거 프로그램이 없습니다
 %2을(를) 종료하고 폴더를 직접 삭제할 수 있습니다</translation>
    </message>
    <message>
        <source>Gamma preservation enabled</source>
        <translation>감마 유지 켜짐</translation>
    </message>
    <message>
        <source>Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day</source>
        <translation>이제 Kavo가 사용자의 색상 보정을 존중합니다. Kavo mini를 닫았다가 다시 시작하면 주간에 색상이 유지됩니다</translation>
    </message>
    <message>
        <source>Gamma preservation disabled</source>
        <translation>감마 유지 꺼짐</translation>
    </message>
    <message>
        <source>Kavo will not respect your color calibration from now on. It will use the default monitor settings instead</source>
        <translation>이제 Kavo가 사용자의 색상 보정을 따르지 않고 모니터 기본 설정을 사용합니다</translation>
    </message>
    <message>
        <source>Start at startup enabled</source>
        <translation>시작 시 실행 켜짐</translation>
    </message>
    <message>
        <source>Kavo mini will start when you turn ON your computer</source>
        <translation>컴퓨터를 켜면 Kavo mini가 시작됩니다</translation>
    </message>
    <message>
        <source>Start at startup disabled</source>
        <translation>시작 시 실행 꺼짐</translation>
    </message>
    <message>
        <source>Kavo mini will not start when you turn ON your computer</source>
        <translation>컴퓨터를 켜도 Kavo mini가 시작되지 않습니다</translation>
    </message>
    <message>
        <source>Tray icon rotation is enabled</source>
        <translation>트레이 아이콘 회전 켜짐</translation>
    </message>
    <message>
        <source>The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Kavo가 화면 색상을 바꾸는 동안 트레이 아이콘이 회전합니다. Kavo mini가 색상을 바꾸는 중이며 화면 색상이 아직 자리 잡지 않았음을 알려 줍니다</translation>
    </message>
    <message>
        <source>Tray icon rotation is disabled</source>
        <translation>트레이 아이콘 회전 꺼짐</translation>
    </message>
    <message>
        <source>The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Kavo가 화면 색상을 바꾸는 동안에도 트레이 아이콘이 회전하지 않습니다. 이 기능은 Kavo mini가 색상을 바꾸는 중이며 화면 색상이 아직 자리 잡지 않았음을 알려 줍니다</translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation>색상 초기화</translation>
    </message>
    <message>
        <source>Screen colors are reset to default values</source>
        <translation>화면 색상을 기본값으로 초기화했습니다</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>설정 초기화</translation>
    </message>
    <message>
        <source>Kavo settings are reset to default values</source>
        <translation>Kavo 설정을 기본값으로 초기화했습니다</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled</source>
        <translation>키보드 후크 켜짐</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled. You can now use system-wide shortcuts.</source>
        <translation>키보드 후크가 켜졌습니다. 이제 시스템 전역 단축키를 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled</source>
        <translation>키보드 후크 꺼짐</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled. Some shortcuts and features may not work as intended</source>
        <translation>키보드 후크가 꺼졌습니다. 일부 단축키와 기능이 제대로 작동하지 않을 수 있습니다</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled</source>
        <translation>키보드 단축키 켜짐</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled. You can now use Kavo shortcuts.</source>
        <translation>키보드 단축키가 켜졌습니다. 이제 Kavo 단축키를 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled</source>
        <translation>키보드 단축키 꺼짐</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled. Kavo shortcuts will not work</source>
        <translation>키보드 단축키가 꺼졌습니다. Kavo 단축키가 작동하지 않습니다</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled</source>
        <translation>긴급 단축키 켜짐</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.</source>
        <translation>긴급 단축키가 켜졌습니다. 이제 Kavo 긴급 단축키를 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled</source>
        <translation>긴급 단축키 꺼짐</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work</source>
        <translation>긴급 단축키가 꺼졌습니다. Kavo 긴급 단축키가 작동하지 않습니다</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled</source>
        <translation>모든 키보드 단축키 및 후크 켜짐</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.</source>
        <translation>모든 키보드 단축키와 후크가 켜졌습니다. 이제 시스템 전역, Kavo, 긴급 단축키를 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled</source>
        <translation>모든 키보드 단축키 및 후크 꺼짐</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work</source>
        <translation>모든 키보드 단축키와 후크가 꺼졌습니다. 시스템 전역, Kavo, 긴급 단축키가 작동하지 않습니다</translation>
    </message>
    <message>
        <source>Manual temperature enabled</source>
        <translation>수동 색온도 켜짐</translation>
    </message>
    <message>
        <source>You are now using Kavo Mixed mode</source>
        <translation>이제 Kavo 혼합 모드를 사용합니다</translation>
    </message>
    <message>
        <source>Manual temperature disabled</source>
        <translation>수동 색온도 꺼짐</translation>
    </message>
    <message>
        <source>Kavo will use your selected mode for temperature again</source>
        <translation>Kavo가 다시 선택한 모드에 따라 색온도를 조정합니다</translation>
    </message>
    <message>
        <source>Manual brightness enabled</source>
        <translation>수동 밝기 켜짐</translation>
    </message>
    <message>
        <source>You are now using Kavo mini Mixed mode</source>
        <translation>이제 Kavo mini 혼합 모드를 사용합니다</translation>
    </message>
    <message>
        <source>Manual brightness disabled</source>
        <translation>수동 밝기 꺼짐</translation>
    </message>
    <message>
        <source>Kavo mini will use your selected mode for brightness again</source>
        <translation>Kavo mini가 다시 선택한 모드에 따라 밝기를 조정합니다</translation>
    </message>
    <message>
        <source>Zero blue light</source>
        <translation>블루라이트 제로</translation>
    </message>
    <message>
        <source>All blue light is removed from the screen</source>
        <translation>화면에서 모든 블루라이트를 없앴습니다</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>반전</translation>
    </message>
    <message>
        <source>Colors are inverted</source>
        <translation>색상을 반전했습니다</translation>
    </message>
    <message>
        <source>Manual location enabled</source>
        <translation>수동 위치 켜짐</translation>
    </message>
    <message>
        <source>Kavo mini will use your manual location. Set latitude and longitude with the hidden features</source>
        <translation>Kavo mini가 직접 설정한 위치를 사용합니다. 위도와 경도는 숨겨진 기능으로 설정하세요</translation>
    </message>
    <message>
        <source>Manual location disabled</source>
        <translation>수동 위치 꺼짐</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini가 위치를 자동으로 찾습니다. 위치는 해의 위치와 주간 및 야간 길이를 계산하는 데 사용됩니다</translation>
    </message>
    <message>
        <source>Latitude changed</source>
        <translation>위도 변경됨</translation>
    </message>
    <message>
        <source>Latitude changed to %1°</source>
        <translation>위도를 변경했습니다: %1°</translation>
    </message>
    <message>
        <source>Longitude changed</source>
        <translation>경도 변경됨</translation>
    </message>
    <message>
        <source>Longitude changed to %1°</source>
        <translation>경도를 변경했습니다: %1°</translation>
    </message>
    <message>
        <source>Manual night duration enabled</source>
        <translation>야간 길이 수동 설정 켜짐</translation>
    </message>
    <message>
        <source>Kavo mini will use manual night duration. Set start and end time with the hidden features</source>
        <translation>Kavo mini가 직접 설정한 야간 길이를 사용합니다. 시작 시각과 종료 시각은 숨겨진 기능으로 설정하세요</translation>
    </message>
    <message>
        <source>Manual night duration disabled</source>
        <translation>야간 길이 수동 설정 꺼짐</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini가 위치에 따라 야간 길이를 자동으로 정합니다. 위치는 해의 위치와 주간 및 야간 길이를 계산하는 데 사용됩니다</translation>
    </message>
    <message>
        <source>No File selected for Export</source>
        <translation>내보낼 파일을 선택하지 않았습니다</translation>
    </message>
    <message>
        <source>Failed to write file for Export: %1</source>
        <translation>내보낼 파일을 쓰지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>설정을 내보냈습니다: %1</translation>
    </message>
    <message>
        <source>No File selected for Import</source>
        <translation>가져올 파일을 선택하지 않았습니다</translation>
    </message>
    <message>
        <source>Failed to open file for Import</source>
        <translation>가져올 파일을 열지 못했습니다</translation>
    </message>
    <message>
        <source>File too large for Import (over 1 MiB): %1</source>
        <translation>파일이 너무 커서 가져올 수 없습니다(1 MiB 초과): %1</translation>
    </message>
    <message>
        <source>Settings too large for Import (over 1 MiB)</source>
        <translation>설정이 너무 커서 가져올 수 없습니다(1 MiB 초과)</translation>
    </message>
    <message>
        <source>Not a Kavo settings file: it does not start with the &quot;#Created by&quot; header</source>
        <translation>Kavo 설정 파일이 아닙니다: &quot;#Created by&quot; 머리글로 시작하지 않습니다</translation>
    </message>
    <message>
        <source>No settings to import: the file holds no setting Kavo knows</source>
        <translation>가져올 설정이 없습니다: 파일에 Kavo가 아는 설정이 없습니다</translation>
    </message>
    <message>
        <source>Settings not writable: the import was not saved</source>
        <translation>설정을 쓸 수 없습니다: 가져온 내용이 저장되지 않았습니다</translation>
    </message>
    <message>
        <source>%1 settings imported</source>
        <translation>설정 %1개를 가져왔습니다</translation>
    </message>
    <message>
        <source>, %1 unknown keys ignored</source>
        <translation>, 알 수 없는 키 %1개 무시</translation>
    </message>
    <message>
        <source>, %1 invalid lines skipped</source>
        <translation>, 잘못된 줄 %1개 건너뜀</translation>
    </message>
    <message>
        <source>%1 until work</source>
        <translation>작업까지 %1</translation>
    </message>
    <message>
        <source>%1 until rest</source>
        <translation>휴식까지 %1</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in %2 minutes.</source>
        <translation>%1 알림: %2분 후에 긴 휴식이 시작됩니다.</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in 30 seconds.</source>
        <translation>%1 알림: 30초 후에 긴 휴식이 시작됩니다.</translation>
    </message>
    <message>
        <source>Big rest incoming</source>
        <translation>곧 긴 휴식</translation>
    </message>
    <message>
        <source>work</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Back to work</source>
        <translation>작업으로 돌아가기</translation>
    </message>
    <message>
        <source>Bend forward and let your arms hang loose.</source>
        <translation>몸을 앞으로 숙이고 팔을 편하게 늘어뜨리세요.</translation>
    </message>
    <message>
        <source>Blink often: screens make us forget to.</source>
        <translation>자주 눈을 깜박이세요. 화면을 보다 보면 잊기 쉽습니다.</translation>
    </message>
    <message>
        <source>Blink quickly for a few seconds, then close your eyes.</source>
        <translation>몇 초 동안 빠르게 눈을 깜박인 다음 눈을 감으세요.</translation>
    </message>
    <message>
        <source>Break is coming in %1</source>
        <translation>%1 후 휴식</translation>
    </message>
    <message>
        <source>Bring your chin to your chest and lift it back slowly.</source>
        <translation>턱을 가슴 쪽으로 당겼다가 천천히 다시 드세요.</translation>
    </message>
    <message>
        <source>Close your eyes and breathe slowly.</source>
        <translation>눈을 감고 천천히 숨을 쉬세요.</translation>
    </message>
    <message>
        <source>Drink a glass of water.</source>
        <translation>물 한 잔을 마시세요.</translation>
    </message>
    <message>
        <source>Esc keeps the shortcut, Backspace removes it.</source>
        <translation>Esc를 누르면 단축키가 유지되고, Backspace를 누르면 삭제됩니다.</translation>
    </message>
    <message>
        <source>Hide the camera picture</source>
        <translation>카메라 화면 숨기기</translation>
    </message>
    <message>
        <source>Hold Ctrl, Alt or Meta with this key.</source>
        <translation>이 키와 함께 Ctrl, Alt 또는 Meta를 누르세요.</translation>
    </message>
    <message>
        <source>Kavo cannot use this key in a shortcut.</source>
        <translation>이 키는 Kavo 단축키에 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>Look at something at least six metres away.</source>
        <translation>6미터 이상 떨어진 곳을 바라보세요.</translation>
    </message>
    <message>
        <source>Look at something far away, out of a window if you can.</source>
        <translation>먼 곳을 바라보세요. 가능하면 창밖을 보세요.</translation>
    </message>
    <message>
        <source>Look up, down, left and right, holding each for a breath.</source>
        <translation>위, 아래, 왼쪽, 오른쪽을 한 호흡씩 바라보세요.</translation>
    </message>
    <message>
        <source>Monitor %1</source>
        <translation>모니터 %1</translation>
    </message>
    <message>
        <source>Put your hands on your hips and lean back gently.</source>
        <translation>양손을 허리에 얹고 천천히 뒤로 젖히세요.</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>휴식</translation>
    </message>
    <message>
        <source>Roll your shoulders back a few times.</source>
        <translation>어깨를 뒤로 몇 번 돌리세요.</translation>
    </message>
    <message>
        <source>Roll your shoulders back five times.</source>
        <translation>어깨를 뒤로 다섯 번 돌리세요.</translation>
    </message>
    <message>
        <source>Show the camera picture</source>
        <translation>카메라 화면 표시</translation>
    </message>
    <message>
        <source>Slowly roll your eyes in a circle, then the other way.</source>
        <translation>천천히 눈으로 원을 그린 다음 반대 방향으로 그리세요.</translation>
    </message>
    <message>
        <source>Stand up and reach both arms above your head.</source>
        <translation>일어서서 두 팔을 머리 위로 뻗으세요.</translation>
    </message>
    <message>
        <source>Stand up and stretch your arms above your head.</source>
        <translation>일어서서 두 팔을 머리 위로 쭉 펴세요.</translation>
    </message>
    <message>
        <source>Step %1 / %2</source>
        <translation>%1 / %2단계</translation>
    </message>
    <message>
        <source>The camera is off</source>
        <translation>카메라가 꺼져 있습니다</translation>
    </message>
    <message>
        <source>Tilt your ear toward your shoulder on each side.</source>
        <translation>좌우로 번갈아 귀를 어깨 쪽으로 기울이세요.</translation>
    </message>
    <message>
        <source>Turn your head slowly to the left and hold, then to the right.</source>
        <translation>천천히 고개를 왼쪽으로 돌려 잠시 멈춘 다음 오른쪽으로 돌리세요.</translation>
    </message>
    <message>
        <source>Twist your upper body slowly to each side.</source>
        <translation>상체를 천천히 좌우로 비트세요.</translation>
    </message>
    <message>
        <source>blink detection is off</source>
        <translation>깜박임 감지 꺼짐</translation>
    </message>
    <message>
        <source>until work</source>
        <translation>작업까지</translation>
    </message>
    <message>
        <source>Kavo Settings File (*.kavo_settings *.kavo)</source>
        <translation>Kavo 설정 파일 (*.kavo_settings *.kavo)</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>파일 저장...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>파일 열기...</translation>
    </message>
    <message>
        <source>This window cannot be shown: Kavo&apos;s web part is missing.</source>
        <translation>이 창을 표시할 수 없습니다: Kavo의 웹 구성 요소가 없습니다.</translation>
    </message>
    <message>
        <source>Camera features are missing</source>
        <translation>카메라 기능이 없습니다</translation>
    </message>
    <message>
        <source>Settings cannot be saved</source>
        <translation>설정을 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>Wayland lets no program click for the user: the auto clicker is not available.</source>
        <translation>Wayland에서는 어떤 프로그램도 사용자 대신 클릭할 수 없습니다: 자동 클릭은 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>Wayland lets no program draw the mouse cursor: the software cursor is not available.</source>
        <translation>Wayland에서는 어떤 프로그램도 마우스 커서를 그릴 수 없습니다: 소프트웨어 커서는 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>Wayland gives ordinary programs no picture of the screen: effects that work on a picture while you are idle are not available.</source>
        <translation>Wayland는 일반 프로그램에 화면 이미지를 주지 않습니다: 사용하지 않는 동안 이미지를 처리하는 효과는 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>GNOME tells no program which window is in front (that needs a Shell extension): pausers and triggers cannot see programs.</source>
        <translation>GNOME은 어떤 창이 앞에 있는지 프로그램에 알려 주지 않습니다(Shell 확장이 필요합니다): 일시 중지와 트리거가 프로그램을 볼 수 없습니다.</translation>
    </message>
    <message>
        <source>This compositor tells no program which window is in front: pausers and triggers cannot see programs.</source>
        <translation>이 컴포지터는 어떤 창이 앞에 있는지 프로그램에 알려 주지 않습니다: 일시 중지와 트리거가 프로그램을 볼 수 없습니다.</translation>
    </message>
    <message>
        <source>This desktop does not say when you are idle: inactivity does not stop the timer.</source>
        <translation>이 데스크톱은 사용하지 않는 때를 알려 주지 않습니다: 비활성 상태여도 타이머가 멈추지 않습니다.</translation>
    </message>
    <message>
        <source>This desktop keeps keys to itself: bind each shortcut in the compositor&apos;s configuration, for example in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; or in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lists the actions).</source>
        <translation>이 데스크톱은 키를 다른 프로그램에 넘기지 않습니다: 컴포지터 설정에서 각 단축키를 지정하세요. 예: sway에서는 &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot;, Hyprland에서는 &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (동작 목록은 kavoctl --help).</translation>
    </message>
    <message>
        <source>This desktop lets no window lie over everything: the overlay&apos;s colour goes through the screen&apos;s colours, and the lightness spot is not shown.</source>
        <translation>이 데스크톱에서는 어떤 창도 모든 것 위에 놓일 수 없습니다: 오버레이의 색은 화면 색으로 표현되며 스포트라이트는 표시되지 않습니다.</translation>
    </message>
    <message>
        <source>This desktop lets no program take the keyboard: strict breaks cannot keep other programs from keys.</source>
        <translation>이 데스크톱에서는 어떤 프로그램도 키보드를 가져갈 수 없습니다: 엄격한 휴식도 다른 프로그램의 키 입력을 막을 수 없습니다.</translation>
    </message>
    <message>
        <source>This desktop has no tray (no StatusNotifierWatcher): start Kavo again to open its window.</source>
        <translation>이 데스크톱에는 트레이가 없습니다(StatusNotifierWatcher 없음): 창을 열려면 Kavo를 다시 실행하세요.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>&amp;Custom</source>
        <translation>사용자 지정(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Health</source>
        <translation>건강(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>수면(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Gaming</source>
        <translation>게임(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Reading</source>
        <translation>독서(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Programming</source>
        <translation>프로그래밍(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Biohacker</source>
        <translation>바이오해커(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Sunglasses</source>
        <translation>선글라스(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>다크(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>영화(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Overlay</source>
        <translation>오버레이(&amp;O)</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>색상 일시 중지 앱</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>타이머 일시 중지 앱</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>마우스 일시 중지 앱</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>모드</translation>
    </message>
    <message>
        <source>&amp;Change mode</source>
        <translation>모드 변경(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>자동(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>수동(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Paused</source>
        <translation>일시 중지됨(&amp;P)</translation>
    </message>
    <message>
        <source>Stop auto clicker</source>
        <translation>자동 클릭 중지</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
</context>
<context>
    <name>message_box</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
</TS>
