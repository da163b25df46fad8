<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Какво ново</translation>
    </message>
    <message>
        <source>This build of Kavo names no page with its changes.</source>
        <translation>Тази компилация на Kavo не посочва страница с промените.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Уебсайт</translation>
    </message>
    <message>
        <source>This build of Kavo names no website.</source>
        <translation>Тази компилация на Kavo не посочва уебсайт.</translation>
    </message>
    <message>
        <source>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</source>
        <translation>Този работен плот не може да рисува софтуерен курсор на мишката: курсорът остава какъвто е.</translation>
    </message>
</context>
<context>
    <name>ColorTriggers</name>
    <message>
        <source>Line %1 is not &quot;program = temperature brightness&quot;: %2</source>
        <translation>Ред %1 не е във формат &quot;програма = температура яркост&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Cyclops</name>
    <message>
        <source>Restart your PC</source>
        <translation>Рестартирайте компютъра</translation>
    </message>
    <message>
        <source>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</source>
        <translation>Kavo направи малка промяна, за да позволи по-ниски стойности. Рестартирайте компютъра веднъж, за да отключите всички възможности.</translation>
    </message>
    <message>
        <source>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</source>
        <translation>Някои функции са ограничени, докато не рестартирате компютъра. В момента се използва API за цветовете от високо ниво.</translation>
    </message>
</context>
<context>
    <name>DebugConsoleWindow</name>
    <message>
        <source>Copy all</source>
        <translation>Копирай всичко</translation>
    </message>
</context>
<context>
    <name>DebugInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>ЩРАКНЕТЕ, ЗА ДА КОПИРАТЕ ТЕКСТА В КЛИПБОРДА</translation>
    </message>
</context>
<context>
    <name>MagnificationApi</name>
    <message>
        <source>Kavo Color Effects</source>
        <translation>Цветови ефекти на Kavo</translation>
    </message>
    <message>
        <source>Failed to initialize color effects.</source>
        <translation>Цветовите ефекти не можаха да се включат.</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Form</source>
        <translation>Формуляр</translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message>
        <source>sec</source>
        <translation>сек</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>min</source>
        <translation>мин</translation>
    </message>
</context>
<context>
    <name>TaskbarButton</name>
    <message>
        <source>Work/Break</source>
        <translation>Работа/почивка</translation>
    </message>
    <message>
        <source>Reset timer</source>
        <translation>Нулирай таймера</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>Пауза/продължи</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Таймерът е на пауза</translation>
    </message>
</context>
<context>
    <name>TransitionTimesInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>ЩРАКНЕТЕ, ЗА ДА КОПИРАТЕ ТЕКСТА В КЛИПБОРДА</translation>
    </message>
    <message>
        <source>Detected current Clock time</source>
        <translation>Текущо време по часовника</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Местно време</translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation>Време UTC</translation>
    </message>
    <message>
        <source>Day start time</source>
        <translation>Начало на деня</translation>
    </message>
    <message>
        <source>Day transition start time</source>
        <translation>Начало на прехода към деня</translation>
    </message>
    <message>
        <source>Day transition end time</source>
        <translation>Край на прехода към деня</translation>
    </message>
    <message>
        <source>Day end time</source>
        <translation>Край на деня</translation>
    </message>
    <message>
        <source>Night start time</source>
        <translation>Начало на нощта</translation>
    </message>
    <message>
        <source>Night transition start time</source>
        <translation>Начало на прехода към нощта</translation>
    </message>
    <message>
        <source>Night transition end time</source>
        <translation>Край на прехода към нощта</translation>
    </message>
    <message>
        <source>Night end time</source>
        <translation>Край на нощта</translation>
    </message>
    <message>
        <source>Day duration</source>
        <translation>Продължителност на деня</translation>
    </message>
    <message>
        <source>Day transition duration</source>
        <translation>Продължителност на прехода към деня</translation>
    </message>
    <message>
        <source>Night duration</source>
        <translation>Продължителност на нощта</translation>
    </message>
    <message>
        <source>Night transition duration</source>
        <translation>Продължителност на прехода към нощта</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Часова зона</translation>
    </message>
    <message>
        <source>Custom Time zone offset</source>
        <translation>Собствено отместване на часовата зона</translation>
    </message>
    <message>
        <source>Sunrise time</source>
        <translation>Изгрев</translation>
    </message>
    <message>
        <source>Sunset time</source>
        <translation>Залез</translation>
    </message>
    <message>
        <source>New moon offset</source>
        <translation>Отместване при новолуние</translation>
    </message>
    <message>
        <source>Full moon offset</source>
        <translation>Отместване при пълнолуние</translation>
    </message>
    <message>
        <source>Current moon offset</source>
        <translation>Текущо лунно отместване</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Лягане</translation>
    </message>
    <message>
        <source>Bedtime transition start time</source>
        <translation>Начало на прехода към съня</translation>
    </message>
    <message>
        <source>Bedtime transition end time</source>
        <translation>Край на прехода към съня</translation>
    </message>
    <message>
        <source>Bedtime end time</source>
        <translation>Край на периода на сън</translation>
    </message>
    <message>
        <source>Wake time</source>
        <translation>Събуждане</translation>
    </message>
    <message>
        <source>Wake time transition start time</source>
        <translation>Начало на прехода към събуждането</translation>
    </message>
    <message>
        <source>Wake time transition end time</source>
        <translation>Край на прехода към събуждането</translation>
    </message>
    <message>
        <source>Wake time end time</source>
        <translation>Край на будния период</translation>
    </message>
    <message>
        <source>Sleep duration</source>
        <translation>Продължителност на съня</translation>
    </message>
    <message>
        <source>Sleep transition duration</source>
        <translation>Продължителност на прехода към съня</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Географска ширина</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Географска дължина</translation>
    </message>
    <message>
        <source>Use Automatic Location</source>
        <translation>Автоматично местоположение</translation>
    </message>
    <message>
        <source>Use Manual Night Duration</source>
        <translation>Ръчна продължителност на нощта</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>Loading...</source>
        <translation>Зареждане...</translation>
    </message>
    <message>
        <source>Location unknown: set it by hand</source>
        <translation>Местоположението е неизвестно: задайте го ръчно</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>Налична е нова версия</translation>
    </message>
    <message>
        <source>Kavo %1 is available</source>
        <translation>Налична е версия Kavo %1</translation>
    </message>
    <message>
        <source>This build of Kavo names no update server</source>
        <translation>Тази компилация на Kavo не посочва сървър за актуализации</translation>
    </message>
    <message>
        <source>No answer from the update server</source>
        <translation>Сървърът за актуализации не отговаря</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read</source>
        <translation>Отговорът на сървъра за актуализации не можа да бъде прочетен</translation>
    </message>
    <message>
        <source>Kavo is up to date</source>
        <translation>Имате най-новата версия на Kavo</translation>
    </message>
    <message>
        <source>100 % leaves colours as they are; 0 % is grey.</source>
        <translation>При 100 % цветовете не се променят, при 0 % всичко е сиво.</translation>
    </message>
    <message>
        <source>A cursor drawn in software takes on the screen colours.</source>
        <translation>Софтуерният курсор приема цветовете на екрана.</translation>
    </message>
    <message>
        <source>A window with Kavo&apos;s log as it is written. Click again to close it.</source>
        <translation>Прозорец, в който дневникът на Kavo се вижда, докато се записва. Щракнете отново, за да го затворите.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Относно</translation>
    </message>
    <message>
        <source>Achromatomaly</source>
        <translation>Ахроматомалия</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Ахроматопсия</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Разширен</translation>
    </message>
    <message>
        <source>Allows values from 0 K (deep red) to 10000 K (cold blue).</source>
        <translation>Позволява стойности от 0 K (наситено червено) до 10000 K (студено синьо).</translation>
    </message>
    <message>
        <source>Allows values from 10 % to 150 %.</source>
        <translation>Позволява стойности от 10 % до 150 %.</translation>
    </message>
    <message>
        <source>Apply the saturation above.</source>
        <translation>Прилагане на наситеността, зададена по-горе.</translation>
    </message>
    <message>
        <source>Ask the update server once, whatever the settings above.</source>
        <translation>Еднократна заявка към сървъра за актуализации, независимо от настройките по-горе.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматичен</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Автоматични актуализации</translation>
    </message>
    <message>
        <source>Autosave settings changes</source>
        <translation>Автоматично записване на настройките</translation>
    </message>
    <message>
        <source>Bedtime:</source>
        <translation>Лягане:</translation>
    </message>
    <message>
        <source>Biohacker</source>
        <translation>Биохакер</translation>
    </message>
    <message>
        <source>Block keyboard on strict mode</source>
        <translation>Блокиране на клавиатурата в строг режим</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Син</translation>
    </message>
    <message>
        <source>Blue light</source>
        <translation>Синя светлина</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркост</translation>
    </message>
    <message>
        <source>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</source>
        <translation>Яркост след залез. В тъмна стая по-тъмният екран натоварва очите по-малко.</translation>
    </message>
    <message>
        <source>Brightness in daylight, in percent of the full screen brightness.</source>
        <translation>Яркост през деня, в проценти от пълната яркост на екрана.</translation>
    </message>
    <message>
        <source>Brightness of the sleep period.</source>
        <translation>Яркост в периода на сън.</translation>
    </message>
    <message>
        <source>Build this window only when it is first opened, which saves memory and start-up time.</source>
        <translation>Прозорецът се създава едва при първото отваряне: така се пести памет и стартирането е по-бързо.</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>Процесор</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Промени</translation>
    </message>
    <message>
        <source>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</source>
        <translation>Всяка нова гама крива се променя леко, така че драйвер на дисплея, който пренебрегва повторена крива, да приеме отново цветовете на Kavo, например след като игра ги е нулирала.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Проверка за актуализации</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Провери сега</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Избор на страници</translation>
    </message>
    <message>
        <source>Choose the monitors Kavo changes, and whether each has colours of its own.</source>
        <translation>Изберете кои монитори променя Kavo и дали всеки има собствени цветове.</translation>
    </message>
    <message>
        <source>ClearType</source>
        <translation>ClearType</translation>
    </message>
    <message>
        <source>ClearType with alternative renderer</source>
        <translation>ClearType с друг метод на изобразяване</translation>
    </message>
    <message>
        <source>Click to copy the text to the clipboard</source>
        <translation>Щракнете, за да копирате текста в клипборда</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Затвори</translation>
    </message>
    <message>
        <source>Closing the window hides it instead of minimising it.</source>
        <translation>При затваряне прозорецът се скрива, вместо да се минимизира.</translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation>Цветова схема</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Цветова температура</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Цветове</translation>
    </message>
    <message>
        <source>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</source>
        <translation>Цветова температура след залез. Топлата светлина вечер щади съня ви.</translation>
    </message>
    <message>
        <source>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</source>
        <translation>Цветова температура през деня. 6500 K е неутрална; по-ниските стойности са по-топли и съдържат по-малко синя светлина.</translation>
    </message>
    <message>
        <source>Colour temperature of the sleep period.</source>
        <translation>Цветова температура в периода на сън.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Собствен</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тъмен</translation>
    </message>
    <message>
        <source>Day Brightness</source>
        <translation>Дневна яркост</translation>
    </message>
    <message>
        <source>Day Light</source>
        <translation>Дневна светлина</translation>
    </message>
    <message>
        <source>Day Temperature</source>
        <translation>Дневна температура</translation>
    </message>
    <message>
        <source>Day Transition:</source>
        <translation>Преход към деня:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Отстраняване на грешки</translation>
    </message>
    <message>
        <source>Debug console</source>
        <translation>Конзола за отстраняване на грешки</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>Информация за отстраняване на грешки</translation>
    </message>
    <message>
        <source>Degrees east; negative in the west.</source>
        <translation>Градуси източна дължина; за западна — отрицателни.</translation>
    </message>
    <message>
        <source>Degrees north; negative in the south.</source>
        <translation>Градуси северна ширина; за южна — отрицателни.</translation>
    </message>
    <message>
        <source>Desaturated</source>
        <translation>Обезцветяване</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>Деутераномалия</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Деутеранопия</translation>
    </message>
    <message>
        <source>During strict breaks the keyboard does nothing.</source>
        <translation>По време на строгите почивки клавиатурата не работи.</translation>
    </message>
    <message>
        <source>Each step enlarges the screen a little more.</source>
        <translation>Всяка стъпка увеличава екрана още малко.</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>Every language is named in its own words.</source>
        <translation>Имената на езиците са написани на самите езици.</translation>
    </message>
    <message>
        <source>Extended values</source>
        <translation>Разширен диапазон</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Шрифтове</translation>
    </message>
    <message>
        <source>Fonts type</source>
        <translation>Изглаждане на шрифтовете</translation>
    </message>
    <message>
        <source>Full Moon offset:</source>
        <translation>Отместване при пълнолуние:</translation>
    </message>
    <message>
        <source>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</source>
        <translation>Цветови филтри за целия екран: сива скала, инверсия, сепия и филтри за нарушено цветно зрение.</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>Видеокарта</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>Игри</translation>
    </message>
    <message>
        <source>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</source>
        <translation>Собствена температура и яркост за всеки монитор; мониторът се избира от разделите отгоре.</translation>
    </message>
    <message>
        <source>Grayclase Red</source>
        <translation>Сива скала с червено</translation>
    </message>
    <message>
        <source>Grayscale 1</source>
        <translation>Сива скала 1</translation>
    </message>
    <message>
        <source>Grayscale 2</source>
        <translation>Сива скала 2</translation>
    </message>
    <message>
        <source>Grayscale 3</source>
        <translation>Сива скала 3</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелен</translation>
    </message>
    <message>
        <source>Groot</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Здраве</translation>
    </message>
    <message>
        <source>Hide Taskbar icon on close</source>
        <translation>Скриване на иконата от лентата на задачите при затваряне</translation>
    </message>
    <message>
        <source>How Kavo fits into your desktop.</source>
        <translation>Как Kavo се вписва в работния плот.</translation>
    </message>
    <message>
        <source>How Kavo keeps its colours on the screen.</source>
        <translation>Как Kavo задържа цветовете си на екрана.</translation>
    </message>
    <message>
        <source>How Kavo keeps your settings and notices that you are away.</source>
        <translation>Как Kavo пази настройките ви и разбира, че не сте на компютъра.</translation>
    </message>
    <message>
        <source>How a colour temperature turns into screen colours.</source>
        <translation>Как цветовата температура се превръща в цветове на екрана.</translation>
    </message>
    <message>
        <source>How bright the screen is by day and by night.</source>
        <translation>Колко ярък е екранът през деня и през нощта.</translation>
    </message>
    <message>
        <source>How long colours glide when Kavo pauses, resumes or changes mode or type.</source>
        <translation>Колко дълго цветовете се сменят плавно, когато Kavo спира на пауза, продължава или сменя режима или типа.</translation>
    </message>
    <message>
        <source>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</source>
        <translation>Колко продължава преходът към деня: със среда при изгрев или с край в момента, в който нощта свършва по часовник.</translation>
    </message>
    <message>
        <source>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</source>
        <translation>Колко продължава преходът към нощта: със среда при залез или с край в момента, в който нощта започва по часовник.</translation>
    </message>
    <message>
        <source>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</source>
        <translation>Колко продължават преходите към периода на сън и обратно; те завършват в часа на лягане и в часа на събуждане.</translation>
    </message>
    <message>
        <source>How much blue light the screen gives off by day and by night.</source>
        <translation>Колко синя светлина излъчва екранът през деня и през нощта.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at full moon.</source>
        <translation>С колко по-рано започват нощта и денят при пълнолуние.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at new moon.</source>
        <translation>С колко по-рано започват нощта и денят при новолуние.</translation>
    </message>
    <message>
        <source>How often a running Kavo looks again.</source>
        <translation>Колко често работещият Kavo проверява отново.</translation>
    </message>
    <message>
        <source>How slowly the colours change between day, night and sleep.</source>
        <translation>Колко плавно се сменят цветовете между ден, нощ и сън.</translation>
    </message>
    <message>
        <source>How the system smooths the edges of text.</source>
        <translation>Как системата изглажда краищата на текста.</translation>
    </message>
    <message>
        <source>Invert colors</source>
        <translation>Инвертирай цветовете</translation>
    </message>
    <message>
        <source>Kavo</source>
        <translation>Kavo</translation>
    </message>
    <message>
        <source>Kavo can look for a new version and tell you when one is out.</source>
        <translation>Kavo може да търси нова версия и да ви съобщава, когато излезе.</translation>
    </message>
    <message>
        <source>Kavo follows the sun at your location. Without a location of your own it looks one up.</source>
        <translation>Kavo следва слънцето във вашето местоположение. Ако не сте го задали, Kavo го определя сам.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and needs to relaunch for them to take effect.</source>
        <translation>Kavo направи промени в системата. За да влязат в сила, Kavo трябва да се стартира отново.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and restart is needed for changes to take effect.</source>
        <translation>Kavo направи промени в системата. За да влязат в сила, компютърът трябва да се рестартира.</translation>
    </message>
    <message>
        <source>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</source>
        <translation>Kavo се грижи за очите ви: по-меки цветове вечер и напомняния за почивка.</translation>
    </message>
    <message>
        <source>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</source>
        <translation>Версията на Kavo, системата и работният ви плот, както и всички настройки. Щракнете върху текста, за да го копирате.</translation>
    </message>
    <message>
        <source>Keep the night brightness all the time instead of following the sun.</source>
        <translation>Нощната яркост се използва постоянно, вместо да следва слънцето.</translation>
    </message>
    <message>
        <source>Keep the night value all the time instead of following the sun.</source>
        <translation>Нощната стойност се използва постоянно, вместо да следва слънцето.</translation>
    </message>
    <message>
        <source>Keeps Kavo light while it waits in the background.</source>
        <translation>Kavo натоварва по-малко системата, докато чака във фонов режим.</translation>
    </message>
    <message>
        <source>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</source>
        <translation>Натисканията на клавиши се броят за присъствие: ако ги няма около 20 минути, таймерът за почивки спира и тръгва отново, когато се върнете.</translation>
    </message>
    <message>
        <source>Keyboard inactivity</source>
        <translation>Неактивност на клавиатурата</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Език</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>По-късно</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Ширина:</translation>
    </message>
    <message>
        <source>Leading Color</source>
        <translation>Водещ цвят</translation>
    </message>
    <message>
        <source>Let Kavo set the frequency above.</source>
        <translation>Kavo задава честотата, посочена по-горе.</translation>
    </message>
    <message>
        <source>Let Kavo tell you when a new version is out.</source>
        <translation>Kavo ще ви съобщи, когато излезе нова версия.</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Линейна</translation>
    </message>
    <message>
        <source>Linear Blue</source>
        <translation>Линейна синя</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Местоположение</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Дължина:</translation>
    </message>
    <message>
        <source>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</source>
        <translation>Търсене на нова версия при стартиране на Kavo и след това редовно. Записва се заедно с другите настройки.</translation>
    </message>
    <message>
        <source>Look now</source>
        <translation>Еднократна проверка</translation>
    </message>
    <message>
        <source>Magmus</source>
        <translation>Magmus</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>Екранна лупа</translation>
    </message>
    <message>
        <source>Manage monitors</source>
        <translation>Управление на мониторите</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ръчен</translation>
    </message>
    <message>
        <source>Manual Brightness</source>
        <translation>Ръчна яркост</translation>
    </message>
    <message>
        <source>Manual blue light</source>
        <translation>Ръчна синя светлина</translation>
    </message>
    <message>
        <source>Manual color settings</source>
        <translation>Ръчни цветове</translation>
    </message>
    <message>
        <source>Manual location</source>
        <translation>Ръчно местоположение</translation>
    </message>
    <message>
        <source>Manual night duration</source>
        <translation>Ръчна продължителност на нощта</translation>
    </message>
    <message>
        <source>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</source>
        <translation>Много екрани намаляват подсветката, като я включват и изключват много бързо (ШИМ). Колкото по-висока е честотата, толкова по-малко е трептенето.</translation>
    </message>
    <message>
        <source>Max Frequency</source>
        <translation>Макс. честота</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Минимизирай</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Monitor 1</source>
        <translation>Монитор 1</translation>
    </message>
    <message>
        <source>Monitor 2</source>
        <translation>Монитор 2</translation>
    </message>
    <message>
        <source>Monitor 3</source>
        <translation>Монитор 3</translation>
    </message>
    <message>
        <source>Monitor 4</source>
        <translation>Монитор 4</translation>
    </message>
    <message>
        <source>Monitor 5</source>
        <translation>Монитор 5</translation>
    </message>
    <message>
        <source>Monitor 6</source>
        <translation>Монитор 6</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Луна</translation>
    </message>
    <message>
        <source>Mouse inactivity</source>
        <translation>Неактивност на мишката</translation>
    </message>
    <message>
        <source>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</source>
        <translation>Движенията на мишката се броят за присъствие: ако ги няма около 20 минути, таймерът за почивки спира и тръгва отново, когато се върнете.</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Филм</translation>
    </message>
    <message>
        <source>Mutes or strengthens the colours of the whole screen.</source>
        <translation>Приглушава или засилва цветовете на целия екран.</translation>
    </message>
    <message>
        <source>Negative Grayclased Red</source>
        <translation>Негатив: сива скала с червено</translation>
    </message>
    <message>
        <source>Negative Grayscale</source>
        <translation>Негатив: сива скала</translation>
    </message>
    <message>
        <source>Negative Sepia</source>
        <translation>Негатив: сепия</translation>
    </message>
    <message>
        <source>New Moon offset:</source>
        <translation>Отместване при новолуние:</translation>
    </message>
    <message>
        <source>News, help and the latest version.</source>
        <translation>Новини, помощ и най-новата версия.</translation>
    </message>
    <message>
        <source>Night Brightness</source>
        <translation>Нощна яркост</translation>
    </message>
    <message>
        <source>Night Light</source>
        <translation>Нощна светлина</translation>
    </message>
    <message>
        <source>Night Temperature</source>
        <translation>Нощна температура</translation>
    </message>
    <message>
        <source>Night Transition:</source>
        <translation>Преход към нощта:</translation>
    </message>
    <message>
        <source>Night ends at:</source>
        <translation>Край на нощта:</translation>
    </message>
    <message>
        <source>Night starts at:</source>
        <translation>Начало на нощта:</translation>
    </message>
    <message>
        <source>No smoothing</source>
        <translation>Без изглаждане</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Нормален</translation>
    </message>
    <message>
        <source>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</source>
        <translation>Отчита се във времената на преходите по-долу; самият слънчев график следва часовата зона на системата.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Изключен</translation>
    </message>
    <message>
        <source>Olaf</source>
        <translation>Olaf</translation>
    </message>
    <message>
        <source>Old Photo</source>
        <translation>Стара снимка</translation>
    </message>
    <message>
        <source>Open or close</source>
        <translation>Отвори или затвори</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Отвори уебсайта</translation>
    </message>
    <message>
        <source>Optimize UI Creation</source>
        <translation>Оптимизирано създаване на интерфейса</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Наслагване</translation>
    </message>
    <message>
        <source>PWM Control</source>
        <translation>Управление на ШИМ</translation>
    </message>
    <message>
        <source>PWM Frequency</source>
        <translation>Честота на ШИМ</translation>
    </message>
    <message>
        <source>PWM control</source>
        <translation>Управление на ШИМ</translation>
    </message>
    <message>
        <source>Pause Transition:</source>
        <translation>Преход при пауза:</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Per Monitor Settings</source>
        <translation>Отделни настройки за всеки монитор</translation>
    </message>
    <message>
        <source>Preview 24 hours</source>
        <translation>Преглед на 24 часа</translation>
    </message>
    <message>
        <source>Productive</source>
        <translation>Продуктивен</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Програмиране</translation>
    </message>
    <message>
        <source>Protanomaly</source>
        <translation>Протаномалия</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Протанопия</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Четене</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Червен</translation>
    </message>
    <message>
        <source>Relaunch is needed</source>
        <translation>Нужно е повторно стартиране</translation>
    </message>
    <message>
        <source>Relaunch now</source>
        <translation>Стартирай отново</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Нулирай</translation>
    </message>
    <message>
        <source>Restart is needed</source>
        <translation>Нужно е рестартиране</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Рестартирай</translation>
    </message>
    <message>
        <source>Revert colors</source>
        <translation>Върни цветовете</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Наситеност</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>Запиши и затвори</translation>
    </message>
    <message>
        <source>Save changes when the window closes. Without it, closing the window brings back the saved settings.</source>
        <translation>Промените се записват при затваряне на прозореца. Иначе при затваряне се връщат записаните настройки.</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>График</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Екран</translation>
    </message>
    <message>
        <source>Screen effect</source>
        <translation>Ефект на екрана</translation>
    </message>
    <message>
        <source>Screen effects</source>
        <translation>Ефекти на екрана</translation>
    </message>
    <message>
        <source>Send usage statistics</source>
        <translation>Изпращане на статистика за използването</translation>
    </message>
    <message>
        <source>Sephia</source>
        <translation>Сепия</translation>
    </message>
    <message>
        <source>Set the frequency again with every colour update, for screens that lose it.</source>
        <translation>Честотата се задава отново при всяко обновяване на цветовете — за екрани, които я губят.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Покажи промените</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Опростен</translation>
    </message>
    <message>
        <source>Simple Inversion</source>
        <translation>Обикновена инверсия</translation>
    </message>
    <message>
        <source>Simple view</source>
        <translation>Опростен изглед</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Сън</translation>
    </message>
    <message>
        <source>Sleep Brightness</source>
        <translation>Яркост за сън</translation>
    </message>
    <message>
        <source>Sleep Light</source>
        <translation>Светлина за сън</translation>
    </message>
    <message>
        <source>Sleep Transition:</source>
        <translation>Преход към съня:</translation>
    </message>
    <message>
        <source>Smart Inversion 1</source>
        <translation>Умна инверсия 1</translation>
    </message>
    <message>
        <source>Smart Inversion 2</source>
        <translation>Умна инверсия 2</translation>
    </message>
    <message>
        <source>Smart Inversion 3</source>
        <translation>Умна инверсия 3</translation>
    </message>
    <message>
        <source>Smart Inversion 4</source>
        <translation>Умна инверсия 4</translation>
    </message>
    <message>
        <source>Smart Inversion 5</source>
        <translation>Умна инверсия 5</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Стандартен</translation>
    </message>
    <message>
        <source>Start Kavo on startup</source>
        <translation>Стартиране на Kavo със системата</translation>
    </message>
    <message>
        <source>Start Kavo when you log in.</source>
        <translation>Kavo се стартира при влизане в системата.</translation>
    </message>
    <message>
        <source>Start and end the night by the clock instead of by the sun.</source>
        <translation>Нощта започва и свършва по часовник, а не по слънцето.</translation>
    </message>
    <message>
        <source>Steps back until the screen is at its normal size.</source>
        <translation>Стъпка по стъпка намалява мащаба, докато екранът се върне в нормалния си размер.</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>Строг</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Слънчеви очила</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Размяна на цветовете</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>The changes in this version of Kavo.</source>
        <translation>Промените в тази версия на Kavo.</translation>
    </message>
    <message>
        <source>The colour temperature of the screen by day and by night, and inverted colours.</source>
        <translation>Цветовата температура на екрана през деня и през нощта, както и инвертирането на цветовете.</translation>
    </message>
    <message>
        <source>The colour that stays strongest at warm temperatures.</source>
        <translation>Цветът, който остава най-силен при топли температури.</translation>
    </message>
    <message>
        <source>The filter laid over the whole screen.</source>
        <translation>Филтърът, който се наслагва върху целия екран.</translation>
    </message>
    <message>
        <source>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</source>
        <translation>Честотата, която Kavo задава, докато управлението на ШИМ е включено. Попитайте производителя на екрана кои честоти поддържа.</translation>
    </message>
    <message>
        <source>The highest frequency the slider offers, in hertz.</source>
        <translation>Най-високата честота на плъзгача, в херци.</translation>
    </message>
    <message>
        <source>The language of Kavo&apos;s windows, menus and messages.</source>
        <translation>Езикът на прозорците, менютата и съобщенията на Kavo.</translation>
    </message>
    <message>
        <source>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</source>
        <translation>Луната измества слънчевия график: нощта и денят започват по-рано с отместване, което с нарастването на луната се мени от стойността при новолуние до стойността при пълнолуние.</translation>
    </message>
    <message>
        <source>The sleep period ends here.</source>
        <translation>Тук периодът на сън свършва.</translation>
    </message>
    <message>
        <source>The sleep period starts here.</source>
        <translation>Тук периодът на сън започва.</translation>
    </message>
    <message>
        <source>The table of colours Kavo follows from warm to cold.</source>
        <translation>Таблицата с цветове, по която Kavo преминава от топло към студено.</translation>
    </message>
    <message>
        <source>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</source>
        <translation>Този екран не позволява на Kavo да управлява ШИМ: помощната програма kavo_get_pwm_frequency липсва или не съобщава честота.</translation>
    </message>
    <message>
        <source>This desktop offers Kavo no backlight: the screen&apos;s brightness stays as it is.</source>
        <translation>Тази работна среда не дава на Kavo управление на подсветката: яркостта на екрана остава непроменена.</translation>
    </message>
    <message>
        <source>This desktop&apos;s night light shows only the colour temperature: colour schemes, the leading colour and screen effects need gamma ramps.</source>
        <translation>Нощната светлина на тази работна среда показва само цветовата температура: цветовите схеми, водещият цвят и ефектите на екрана изискват гама таблици.</translation>
    </message>
    <message>
        <source>Time zone offset:</source>
        <translation>Отместване на часовата зона:</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Таймер</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Преход</translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation>Тританомалия</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Тританопия</translation>
    </message>
    <message>
        <source>Turn the chosen filter on or off.</source>
        <translation>Включване или изключване на избрания филтър.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Update continuously</source>
        <translation>Постоянно обновяване</translation>
    </message>
    <message>
        <source>Use Advanced Settings</source>
        <translation>Разширени настройки</translation>
    </message>
    <message>
        <source>Use Gamma Fixer</source>
        <translation>Коригиране на гамата</translation>
    </message>
    <message>
        <source>Use software mouse cursor</source>
        <translation>Софтуерен курсор на мишката</translation>
    </message>
    <message>
        <source>Use the coordinates below instead of the looked-up location.</source>
        <translation>Използване на координатите по-долу вместо откритото местоположение.</translation>
    </message>
    <message>
        <source>Use the sleep colours between bedtime and wake time.</source>
        <translation>Използване на цветовете за сън от лягането до събуждането.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Wake time:</source>
        <translation>Събуждане:</translation>
    </message>
    <message>
        <source>Warmer, dimmer colours for the hours before you go to bed.</source>
        <translation>По-топли и по-тъмни цветове за часовете преди лягане.</translation>
    </message>
    <message>
        <source>Washout 1</source>
        <translation>Избледняване 1</translation>
    </message>
    <message>
        <source>Washout 2</source>
        <translation>Избледняване 2</translation>
    </message>
    <message>
        <source>Washout 3</source>
        <translation>Избледняване 3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Уебсайт</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Какво ново</translation>
    </message>
    <message>
        <source>What to send with a request for help. Nothing leaves your computer unless you send it.</source>
        <translation>Какво да изпратите с молба за помощ. Нищо не напуска компютъра ви, докато сами не го изпратите.</translation>
    </message>
    <message>
        <source>Where Kavo computes sunrise and sunset for.</source>
        <translation>Мястото, за което Kavo изчислява изгрева и залеза.</translation>
    </message>
    <message>
        <source>Where the desktop decides font smoothing itself, this choice has no effect.</source>
        <translation>Ако работният плот сам управлява изглаждането на шрифтовете, този избор няма ефект.</translation>
    </message>
    <message>
        <source>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</source>
        <translation>Кои страници и прозорци отваряте — всеки път под нов случаен номер, никога с името или адреса ви. Само ако тази компилация на Kavo посочва адрес за статистика.</translation>
    </message>
    <message>
        <source>Zoom In:</source>
        <translation>Увеличаване:</translation>
    </message>
    <message>
        <source>Zoom Out:</source>
        <translation>Намаляване:</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Увеличи</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Намали</translation>
    </message>
    <message>
        <source>Zooms the whole screen around the mouse pointer.</source>
        <translation>Увеличава целия екран около показалеца на мишката.</translation>
    </message>
    <message>
        <source>day</source>
        <translation>ден</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>скрита</translation>
    </message>
    <message>
        <source>month</source>
        <translation>месец</translation>
    </message>
    <message>
        <source>per minute</source>
        <translation>в минута</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>почивка</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>показана</translation>
    </message>
    <message>
        <source>until</source>
        <translation>до</translation>
    </message>
    <message>
        <source>week</source>
        <translation>седмица</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>A minute of exercises, shown step by step in the corner of your screen.</source>
        <translation>Минута упражнения, стъпка по стъпка в ъгъла на екрана.</translation>
    </message>
    <message>
        <source>A program in front gets colours of its own: a film brighter, a reader warmer.</source>
        <translation>Програмата на преден план получава свои цветове: филмът — по-ярки, четецът — по-топли.</translation>
    </message>
    <message>
        <source>A short tone in the last seconds before a rest and before work.</source>
        <translation>Кратък сигнал в последните секунди преди почивка и преди работа.</translation>
    </message>
    <message>
        <source>A small window in the corner of the screen with the count and the camera picture.</source>
        <translation>Малък прозорец в ъгъла на екрана с броя и образа от камерата.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Приложения</translation>
    </message>
    <message>
        <source>Artificial intelligence (AI)</source>
        <translation>Изкуствен интелект (ИИ)</translation>
    </message>
    <message>
        <source>Auto clicker</source>
        <translation>Автоматично щракане</translation>
    </message>
    <message>
        <source>Auto close rest screen</source>
        <translation>Автоматично затваряне на екрана за почивка</translation>
    </message>
    <message>
        <source>Automatic brightness</source>
        <translation>Автоматична яркост</translation>
    </message>
    <message>
        <source>Back exercises</source>
        <translation>Упражнения за гърба</translation>
    </message>
    <message>
        <source>Blink detection</source>
        <translation>Броене на мигането</translation>
    </message>
    <message>
        <source>Blink screen</source>
        <translation>Прозорец за мигането</translation>
    </message>
    <message>
        <source>Break every</source>
        <translation>Почивка на всеки</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Почивки</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>Работи</translation>
    </message>
    <message>
        <source>Clicks the left mouse button where the pointer is, again and again.</source>
        <translation>Щраква отново и отново с левия бутон на мишката там, където е показалецът.</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Пауза на цветовете</translation>
    </message>
    <message>
        <source>Color triggers</source>
        <translation>Цветове за програми</translation>
    </message>
    <message>
        <source>Colour changes pause while one of these programs shows: for drawing, photos and films.</source>
        <translation>Смяната на цветовете спира, докато на екрана е някоя от тези програми: за рисуване, снимки и филми.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продължи</translation>
    </message>
    <message>
        <source>Continue when you are ready.</source>
        <translation>Продължете, когато сте готови.</translation>
    </message>
    <message>
        <source>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</source>
        <translation>Брои колко пъти мигате в минута. Пред екрана хората мигат по-рядко — броячът ви напомня.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</source>
        <translation>Ctrl+Alt+Shift+F10 нулира всички настройки, Ctrl+Alt+Shift+F11 затваря Kavo, а Ctrl+Alt+Shift+F12 нулира цветовете, независимо от комбинациите по-горе.</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>Намали яркостта</translation>
    </message>
    <message>
        <source>Decrease temperature</source>
        <translation>Намали температурата</translation>
    </message>
    <message>
        <source>Dim the screen a little while it shows bright content.</source>
        <translation>Екранът леко потъмнява, докато показва ярко съдържание.</translation>
    </message>
    <message>
        <source>End screen overlay</source>
        <translation>Махни наслагването</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Упражнения</translation>
    </message>
    <message>
        <source>Eye exercises</source>
        <translation>Упражнения за очите</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Функция</translation>
    </message>
    <message>
        <source>Fullscreen apps</source>
        <translation>Приложения на цял екран</translation>
    </message>
    <message>
        <source>Have a rest</source>
        <translation>Почини си</translation>
    </message>
    <message>
        <source>In front now</source>
        <translation>Сега на преден план</translation>
    </message>
    <message>
        <source>Incoming break</source>
        <translation>Наближава почивка</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>Увеличи яркостта</translation>
    </message>
    <message>
        <source>Increase temperature</source>
        <translation>Увеличи температурата</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Въвеждане</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Инсталирай</translation>
    </message>
    <message>
        <source>Invert the colours while the screen shows mostly bright content.</source>
        <translation>Цветовете се инвертират, докато екранът показва предимно ярко съдържание.</translation>
    </message>
    <message>
        <source>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</source>
        <translation>Kavo настройва екрана според стаята и според това, което се показва. Кадрите от камерата и снимките на екрана само се измерват и веднага се изхвърлят: никога не се записват и не се изпращат никъде.</translation>
    </message>
    <message>
        <source>Kavo listens to its shortcuts in every program.</source>
        <translation>Kavo реагира на своите клавишни комбинации във всяка програма.</translation>
    </message>
    <message>
        <source>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</source>
        <translation>Kavo ви напомня да почивате очите си: кратка почивка след всеки период работа.</translation>
    </message>
    <message>
        <source>Kavo version</source>
        <translation>Версия на Kavo</translation>
    </message>
    <message>
        <source>Keep the screen as bright as the room around it.</source>
        <translation>Яркостта на екрана следва осветлението в стаята.</translation>
    </message>
    <message>
        <source>Key combinations that reach Kavo from every program.</source>
        <translation>Клавишни комбинации, които стигат до Kavo от всяка програма.</translation>
    </message>
    <message>
        <source>Lite</source>
        <translation>Лек</translation>
    </message>
    <message>
        <source>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</source>
        <translation>„Лек“ е обикновено тъмно покривало с оставащото време. „Опростен“ и „Стандартен“ са цели страници; „Стандартен“ добавя часовник и идея за почивката.</translation>
    </message>
    <message>
        <source>Look away from the screen and let your eyes relax.</source>
        <translation>Отместете поглед от екрана и оставете очите си да се отпуснат.</translation>
    </message>
    <message>
        <source>Look far, roll and blink: eyes that focus on a screen all day need it most.</source>
        <translation>Гледайте надалеч, въртете очи и мигайте: най-много се нуждаят от това очите, които цял ден гледат в екран.</translation>
    </message>
    <message>
        <source>Manual or automatic</source>
        <translation>Ръчен или автоматичен режим</translation>
    </message>
    <message>
        <source>Match brightness to lighting</source>
        <translation>Яркост според осветлението</translation>
    </message>
    <message>
        <source>Milliseconds between two clicks, at least 10.</source>
        <translation>Милисекунди между две щраквания, поне 10.</translation>
    </message>
    <message>
        <source>Minutes of work, then seconds of rest.</source>
        <translation>Минути работа, после секунди почивка.</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Пауза на курсора</translation>
    </message>
    <message>
        <source>Neck exercises</source>
        <translation>Упражнения за врата</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Напред</translation>
    </message>
    <message>
        <source>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</source>
        <translation>Нормалните почивки могат да се пропуснат, строгите — не. „Продуктивен“ не покрива екрана, а показва малко обратно броене.</translation>
    </message>
    <message>
        <source>One program per line, named as it runs (vlc, kmplayer). Add fullscreen after a name to pause only while it fills the screen.</source>
        <translation>По една програма на ред, с името на процеса ѝ (vlc, kmplayer). Добавете fullscreen след името, за да има пауза само докато програмата е на цял екран.</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, bsplayer).</source>
        <translation>По една програма на ред, точно с името на процеса ѝ (vlc, bsplayer).</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, kmplayer).</source>
        <translation>По една програма на ред, точно с името на процеса ѝ (vlc, kmplayer).</translation>
    </message>
    <message>
        <source>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</source>
        <translation>По една програма на ред: име = температура яркост, например vlc = 6500 120. Температура от 0 до 10000 K, яркост от 10 до 150 %.</translation>
    </message>
    <message>
        <source>Pause colour changes while a listed program shows.</source>
        <translation>Пауза в смяната на цветовете, докато на екрана е програма от списъка.</translation>
    </message>
    <message>
        <source>Pause colour changes while any program fills the screen.</source>
        <translation>Пауза в смяната на цветовете, докато някоя програма е на цял екран.</translation>
    </message>
    <message>
        <source>Pause or resume Kavo</source>
        <translation>Пауза или продължаване на Kavo</translation>
    </message>
    <message>
        <source>Pause or resume the timer</source>
        <translation>Пауза или продължаване на таймера</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>Отложи</translation>
    </message>
    <message>
        <source>Postpone duration</source>
        <translation>Отлагане с</translation>
    </message>
    <message>
        <source>Press the new combination</source>
        <translation>Натиснете новата комбинация</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Програми</translation>
    </message>
    <message>
        <source>Programs and colours</source>
        <translation>Програми и цветове</translation>
    </message>
    <message>
        <source>Quit Kavo</source>
        <translation>Изход от Kavo</translation>
    </message>
    <message>
        <source>Rest screen</source>
        <translation>Екран за почивка</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Запиши</translation>
    </message>
    <message>
        <source>Screen effects on or off</source>
        <translation>Вкл./изкл. на ефектите на екрана</translation>
    </message>
    <message>
        <source>Overlays</source>
        <translation>Наслагвания</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Сензори</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Клавишна комбинация</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Клавишни комбинации</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропусни</translation>
    </message>
    <message>
        <source>Slow turns and tilts for a neck that held one position too long.</source>
        <translation>Бавни завъртания и навеждания за врат, който е стоял твърде дълго в едно положение.</translation>
    </message>
    <message>
        <source>Smart brightness</source>
        <translation>Умна яркост</translation>
    </message>
    <message>
        <source>Smart inversion</source>
        <translation>Умна инверсия</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Start a break</source>
        <translation>Започни почивка</translation>
    </message>
    <message>
        <source>Start screen overlay</source>
        <translation>Включи наслагването</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Stop it here, from the tray menu or by quitting Kavo.</source>
        <translation>Спира се оттук, от менюто в системната област или със затваряне на Kavo.</translation>
    </message>
    <message>
        <source>Stop the break timer while a listed program shows.</source>
        <translation>Таймерът за почивки спира, докато на екрана е програма от списъка.</translation>
    </message>
    <message>
        <source>Stop the break timer while any program fills the screen.</source>
        <translation>Таймерът за почивки спира, докато някоя програма е на цял екран.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Спряно</translation>
    </message>
    <message>
        <source>Stretches you can do standing beside your desk.</source>
        <translation>Разтягания, които можете да направите прави до бюрото.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while a listed program shows.</source>
        <translation>Софтуерният курсор се изключва, докато на екрана е програма от списъка.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while any program fills the screen.</source>
        <translation>Софтуерният курсор се изключва, докато някоя програма е на цял екран.</translation>
    </message>
    <message>
        <source>Ten seconds before a rest Kavo offers to move it by this many minutes.</source>
        <translation>Десет секунди преди почивката Kavo предлага да я отложи с толкова минути.</translation>
    </message>
    <message>
        <source>The break timer stops while one of these programs shows: films, presentations, calls.</source>
        <translation>Таймерът за почивки спира, докато на екрана е някоя от тези програми: филми, презентации, разговори.</translation>
    </message>
    <message>
        <source>The camera measures the room light and the brightness follows it, a little every second.</source>
        <translation>Камерата измерва осветлението в стаята и яркостта го следва, малко по малко всяка секунда.</translation>
    </message>
    <message>
        <source>The program you are using, as the lists name it.</source>
        <translation>Програмата, която използвате, с името ѝ за списъците.</translation>
    </message>
    <message>
        <source>The rest is over</source>
        <translation>Почивката свърши</translation>
    </message>
    <message>
        <source>The software cursor goes while one of these programs shows: games draw their own.</source>
        <translation>Софтуерният курсор изчезва, докато на екрана е някоя от тези програми: игрите рисуват свой.</translation>
    </message>
    <message>
        <source>This is a strict rest: it ends by itself.</source>
        <translation>Това е строга почивка: ще свърши сама.</translation>
    </message>
    <message>
        <source>Time for a rest</source>
        <translation>Време е за почивка</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Пауза на таймера</translation>
    </message>
    <message>
        <source>Timer type</source>
        <translation>Тип таймер</translation>
    </message>
    <message>
        <source>Use sounds</source>
        <translation>Звукови сигнали</translation>
    </message>
    <message>
        <source>Use the colours of the list while a listed program is in front.</source>
        <translation>Използване на цветовете от списъка, докато програма от списъка е на преден план.</translation>
    </message>
    <message>
        <source>Use the first camera for the room light and the blink count.</source>
        <translation>Първата камера се използва за осветлението в стаята и за броене на мигането.</translation>
    </message>
    <message>
        <source>What covers your monitors during a rest.</source>
        <translation>Какво покрива мониторите по време на почивка.</translation>
    </message>
    <message>
        <source>What the shortcut does.</source>
        <translation>Какво прави клавишната комбинация.</translation>
    </message>
    <message>
        <source>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</source>
        <translation>Когато почивката свърши, работата започва веднага. Иначе екранът за почивка чака да продължите.</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Работа</translation>
    </message>
    <message>
        <source>min</source>
        <translation>мин</translation>
    </message>
    <message>
        <source>none</source>
        <translation>няма</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>сек</translation>
    </message>
    <message>
        <source>until rest</source>
        <translation>до почивка</translation>
    </message>
    <message>
        <source>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</source>
        <translation>%b е enable или disable, %d — цяло число, %f — число, %s — дума. Щракнете върху заклинание, за да го копирате в полето за въвеждане.</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Изпълни</translation>
    </message>
    <message>
        <source>Click again to reset every setting</source>
        <translation>Щракнете отново, за да нулирате всички настройки</translation>
    </message>
    <message>
        <source>Enter your spell:</source>
        <translation>Въведете заклинание:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експортирай</translation>
    </message>
    <message>
        <source>Hidden features</source>
        <translation>Скрити функции</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импортирай</translation>
    </message>
    <message>
        <source>Move your settings to another computer, or keep a copy.</source>
        <translation>Пренесете настройките си на друг компютър или запазете копие.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Нулирай настройките</translation>
    </message>
    <message>
        <source>Settings exported</source>
        <translation>Настройките са експортирани</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Файл с настройки</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>Заклинания</translation>
    </message>
    <message>
        <source>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</source>
        <translation>Заклинанията променят настройки, които нямат контроли на страниците. Същите заклинания работят и от командния ред: kavo &quot;type dark&quot;.</translation>
    </message>
    <message>
        <source>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</source>
        <translation>Полупрозрачен цветен слой върху екрана го затъмнява и оцветява повече, отколкото само цветовете; щракванията минават през него.</translation>
    </message>
    <message>
        <source>Day Dim</source>
        <translation>Дневно затъмняване</translation>
    </message>
    <message>
        <source>Day Opacity</source>
        <translation>Дневна плътност</translation>
    </message>
    <message>
        <source>How dark the surroundings are.</source>
        <translation>Колко тъмно е около петното.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is at night.</source>
        <translation>Колко по-тъмен е цветът на слоя през нощта.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is by day.</source>
        <translation>Колко по-тъмен е цветът на слоя през деня.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen at night.</source>
        <translation>Колко плътно слоят покрива екрана през нощта.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen by day.</source>
        <translation>Колко плътно слоят покрива екрана през деня.</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Индиго</translation>
    </message>
    <message>
        <source>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</source>
        <translation>Оставя светло петно на екрана и затъмнява всичко около него; щракванията минават през затъмнението.</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Лимонов</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Светло петно</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Пурпурен</translation>
    </message>
    <message>
        <source>Night Dim</source>
        <translation>Нощно затъмняване</translation>
    </message>
    <message>
        <source>Night Opacity</source>
        <translation>Нощна плътност</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Плътност</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Оранжев</translation>
    </message>
    <message>
        <source>Overlay color</source>
        <translation>Цвят на наслагването</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Лилав</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Радиус</translation>
    </message>
    <message>
        <source>Reset area</source>
        <translation>Нулирай областта</translation>
    </message>
    <message>
        <source>Scarlet</source>
        <translation>Ален</translation>
    </message>
    <message>
        <source>Screen overlay</source>
        <translation>Наслагване върху екрана</translation>
    </message>
    <message>
        <source>Select an area, then drag over the screen: the area stays clear. Escape cancels.</source>
        <translation>Натиснете „Избери област“ и плъзнете с мишката по екрана: тази област остава открита. Escape отменя избора.</translation>
    </message>
    <message>
        <source>Select area</source>
        <translation>Избери област</translation>
    </message>
    <message>
        <source>Show the layer.</source>
        <translation>Показване на слоя.</translation>
    </message>
    <message>
        <source>Show the spot.</source>
        <translation>Показване на петното.</translation>
    </message>
    <message>
        <source>The colour of the layer.</source>
        <translation>Цветът на слоя.</translation>
    </message>
    <message>
        <source>The size of the bright spot.</source>
        <translation>Размерът на светлото петно.</translation>
    </message>
    <message>
        <source>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</source>
        <translation>На този работен плот ефектът се вижда, докато сте неактивни: след две секунди покой екранът се покрива с негова снимка с ефекта, докато не натиснете клавиш или не помръднете мишката.</translation>
    </message>
    <message>
        <source>This effect shows at once.</source>
        <translation>Този ефект се прилага веднага.</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Тюркоазен</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Виолетов</translation>
    </message>
    <message>
        <source>Where the spot sits across the screen.</source>
        <translation>Положение на петното по хоризонтала.</translation>
    </message>
    <message>
        <source>Where the spot sits down the screen.</source>
        <translation>Положение на петното по вертикала.</translation>
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
        <translation>Жълт</translation>
    </message>
    <message>
        <source>Settings imported</source>
        <translation>Настройките са импортирани</translation>
    </message>
    <message>
        <source>Settings not imported</source>
        <translation>Настройките не са импортирани</translation>
    </message>
    <message>
        <source>%1 conflicts with %2</source>
        <translation>%1 е в конфликт с %2</translation>
    </message>
    <message>
        <source>%1 conflicts with %2 color changes and you may see some ON/OFF flicker of the colors.
%2 automatically closes such apps, but please uninstall one of the apps if you still have problems.</source>
        <translation>%1 е в конфликт с промяната на цветовете от %2 и цветовете може да примигват.
%2 автоматично затваря такива приложения, но ако проблемите останат, деинсталирайте едно от тях.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Не</translation>
    </message>
    <message>
        <source>Remaining %1</source>
        <translation>Остават %1</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>Не е намерена камера</translation>
    </message>
    <message>
        <source>Object detectors not found</source>
        <translation>Не са намерени детектори на обекти</translation>
    </message>
    <message>
        <source>Invalid spell</source>
        <translation>Невалидно заклинание</translation>
    </message>
    <message>
        <source>The spell &quot;%1&quot; seems wrong. Check the syntax or try with some other hidden feature.
Use &quot;help&quot; to see the list of all hidden features :)</source>
        <translation>Заклинанието &quot;%1&quot; изглежда грешно. Проверете синтаксиса или опитайте друга скрита функция.
Въведете &quot;help&quot;, за да видите списъка с всички скрити функции :)</translation>
    </message>
    <message>
        <source>Hidden feature succeeded</source>
        <translation>Скритата функция е изпълнена</translation>
    </message>
    <message>
        <source>%1 succeeded</source>
        <translation>%1: изпълнено</translation>
    </message>
    <message>
        <source>Invalid temperature</source>
        <translation>Невалидна температура</translation>
    </message>
    <message>
        <source>%1 is invalid value for Color temperature. Use number between 0 and 10000.</source>
        <translation>%1 е невалидна стойност за цветовата температура. Въведете число от 0 до 10000.</translation>
    </message>
    <message>
        <source>Temperature changed</source>
        <translation>Температурата е променена</translation>
    </message>
    <message>
        <source>Color temperature changed to %1K</source>
        <translation>Цветовата температура е променена на %1K</translation>
    </message>
    <message>
        <source>Invalid brightness</source>
        <translation>Невалидна яркост</translation>
    </message>
    <message>
        <source>%1 is invalid value for Brightness. Use number between 10 and 100.</source>
        <translation>%1 е невалидна стойност за яркостта. Въведете число от 10 до 100.</translation>
    </message>
    <message>
        <source>Brightness changed</source>
        <translation>Яркостта е променена</translation>
    </message>
    <message>
        <source>Brightness changed to %1%</source>
        <translation>Яркостта е променена на %1%</translation>
    </message>
    <message>
        <source>Invalid Night start time</source>
        <translation>Невалиден час за начало на нощта</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night start time. Use number between 0 and 24.</source>
        <translation>%1 е невалидна стойност за началото на нощта. Въведете число от 0 до 24.</translation>
    </message>
    <message>
        <source>Night start time changed</source>
        <translation>Началото на нощта е променено</translation>
    </message>
    <message>
        <source>Manual night start time changed to %1h</source>
        <translation>Ръчното начало на нощта е променено на %1h</translation>
    </message>
    <message>
        <source>Invalid Night end time</source>
        <translation>Невалиден час за край на нощта</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night end time. Use number between 0 and 24.</source>
        <translation>%1 е невалидна стойност за края на нощта. Въведете число от 0 до 24.</translation>
    </message>
    <message>
        <source>Night end time changed</source>
        <translation>Краят на нощта е променен</translation>
    </message>
    <message>
        <source>Manual night end time changed to %1h</source>
        <translation>Ръчният край на нощта е променен на %1h</translation>
    </message>
    <message>
        <source>Kavo is switching to %1 type</source>
        <translation>Kavo превключва на тип %1</translation>
    </message>
    <message>
        <source>You will see the difference in your screen after a moment :)</source>
        <translation>След миг ще видите разликата на екрана :)</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>Известията са включени</translation>
    </message>
    <message>
        <source>Hidden features notifications are enabled. They are show so you will know when your spell is successful</source>
        <translation>Известията за скритите функции са включени. Те ще ви казват кога заклинанието е успяло</translation>
    </message>
    <message>
        <source>Notifications disabled</source>
        <translation>Известията са изключени</translation>
    </message>
    <message>
        <source>Hidden features notifications are disabled. This is the last notification that you will see</source>
        <translation>Известията за скритите функции са изключени. Това е последното известие, което ще видите</translation>
    </message>
    <message>
        <source>Gamma fixer enabled</source>
        <translation>Коригирането на гамата е включено</translation>
    </message>
    <message>
        <source>Gamma fixer is enabled. If notice slight color changing every second disable the Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini changes from time to time.</source>
        <translation>Коригирането на гамата е включено. Ако цветовете леко се променят всяка секунда, го изключете отново. Коригирането на гамата е нужно, защото Windows понякога пренебрегва промените на Kavo mini.</translation>
    </message>
    <message>
        <source>Gamma fixer disabled</source>
        <translation>Коригирането на гамата е изключено</translation>
    </message>
    <message>
        <source>Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or click the Kavo mini icon several times. Both should force Kavo to change the screen colors.</source>
        <translation>Коригирането на гамата е изключено. Ако екранът изведнъж стане ярък, включете го отново или щракнете няколко пъти върху иконата на Kavo mini. И двете ще накарат Kavo да промени цветовете на екрана.</translation>
    </message>
    <message>
        <source>Software cursor enabled</source>
        <translation>Софтуерният курсор е включен</translation>
    </message>
    <message>
        <source>Color changes will apply also on the cursor. If it starts to dissappear use disable software cursor to make it bright again.</source>
        <translation>Промените на цветовете ще важат и за курсора. Ако той започне да изчезва, въведете &quot;disable software cursor&quot;, за да стане отново ярък.</translation>
    </message>
    <message>
        <source>Hardware cursor enabled</source>
        <translation>Хардуерният курсор е включен</translation>
    </message>
    <message>
        <source>Color changes will not apply on the cursor. If you don&apos;t like the bright blue cursor at night use enable software cursor to make apply color changes on the cursor.</source>
        <translation>Промените на цветовете няма да важат за курсора. Ако не харесвате яркия син курсор през нощта, въведете &quot;enable software cursor&quot;, за да важат промените на цветовете и за него.</translation>
    </message>
    <message>
        <source>Conflicting applications enabled</source>
        <translation>Конфликтните приложения са разрешени</translation>
    </message>
    <message>
        <source>Conflicting applications are enabled. You can now use other softwares which change the screen colors.</source>
        <translation>Конфликтните приложения са разрешени. Вече можете да използвате други програми, които променят цветовете на екрана.</translation>
    </message>
    <message>
        <source>Conflicting applications disabled</source>
        <translation>Конфликтните приложения са забранени</translation>
    </message>
    <message>
        <source>Conflicting applications are disabled. In order to not cause flicker conflicting applications are disabled.</source>
        <translation>Конфликтните приложения са забранени. Те се спират, за да не примигват цветовете.</translation>
    </message>
    <message>
        <source>Monitor %1 disabled</source>
        <translation>Монитор %1 е изключен</translation>
    </message>
    <message>
        <source>Kavo will not apply color changes to Monitor %1</source>
        <translation>Kavo няма да променя цветовете на монитор %1</translation>
    </message>
    <message>
        <source>Monitor %1 enabled</source>
        <translation>Монитор %1 е включен</translation>
    </message>
    <message>
        <source>Kavo will apply color changes to Monitor %1</source>
        <translation>Kavo ще променя цветовете на монитор %1</translation>
    </message>
    <message>
        <source>Color range is already expanded</source>
        <translation>Цветовият диапазон вече е разширен</translation>
    </message>
    <message>
        <source>Color range is already expanded. If you have problems with lower values try to Restart your PC. If the problem persist write to us with info about your PC to test and fix this.</source>
        <translation>Цветовият диапазон вече е разширен. Ако имате проблеми с по-ниските стойности, рестартирайте компютъра. Ако проблемът остане, пишете ни с данни за компютъра си, за да го проверим и поправим.</translation>
    </message>
    <message>
        <source>Expand color range Failed</source>
        <translation>Цветовият диапазон не можа да се разшири</translation>
    </message>
    <message>
        <source>Expand color range Failed you need Admin permission to execute this</source>
        <translation>Цветовият диапазон не можа да се разшири: нужни са права на администратор</translation>
    </message>
    <message>
        <source>No uninstaller in the App folder</source>
        <translation>В папката на програмата няма деинсталатор</translation>
    </message>
    <message>
        <source>There is not uninstaller in &quot;%1&quot;
 You can quit %2 and delete the folder by hand</source>
        <translation>В &quot;%1&quot; няма деинсталатор.
 Можете да затворите %2 и да изтриете папката ръчно</translation>
    </message>
    <message>
        <source>Gamma preservation enabled</source>
        <translation>Запазването на гамата е включено</translation>
    </message>
    <message>
        <source>Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day</source>
        <translation>Отсега нататък Kavo ще зачита калибрирането на цветовете ви. Затворете и стартирайте отново Kavo mini и той ще запазва цветовете ви през деня</translation>
    </message>
    <message>
        <source>Gamma preservation disabled</source>
        <translation>Запазването на гамата е изключено</translation>
    </message>
    <message>
        <source>Kavo will not respect your color calibration from now on. It will use the default monitor settings instead</source>
        <translation>Отсега нататък Kavo няма да зачита калибрирането на цветовете ви, а ще използва стандартните настройки на монитора</translation>
    </message>
    <message>
        <source>Start at startup enabled</source>
        <translation>Автоматичното стартиране е включено</translation>
    </message>
    <message>
        <source>Kavo mini will start when you turn ON your computer</source>
        <translation>Kavo mini ще се стартира, когато включите компютъра</translation>
    </message>
    <message>
        <source>Start at startup disabled</source>
        <translation>Автоматичното стартиране е изключено</translation>
    </message>
    <message>
        <source>Kavo mini will not start when you turn ON your computer</source>
        <translation>Kavo mini няма да се стартира, когато включите компютъра</translation>
    </message>
    <message>
        <source>Tray icon rotation is enabled</source>
        <translation>Въртенето на иконата в системната област е включено</translation>
    </message>
    <message>
        <source>The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Иконата в системната област ще се върти, докато Kavo променя цветовете на екрана. Така се вижда кога Kavo mini променя цветовете и екранът не е калибриран</translation>
    </message>
    <message>
        <source>Tray icon rotation is disabled</source>
        <translation>Въртенето на иконата в системната област е изключено</translation>
    </message>
    <message>
        <source>The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Иконата в системната област няма да се върти, докато Kavo променя цветовете на екрана. Тази функция показва кога Kavo mini променя цветовете и екранът не е калибриран</translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation>Нулиране на цветовете</translation>
    </message>
    <message>
        <source>Screen colors are reset to default values</source>
        <translation>Цветовете на екрана са върнати към стандартните стойности</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Нулиране на настройките</translation>
    </message>
    <message>
        <source>Kavo settings are reset to default values</source>
        <translation>Настройките на Kavo са върнати към стандартните стойности</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled</source>
        <translation>Прихващането на клавиатурата е включено</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled. You can now use system-wide shortcuts.</source>
        <translation>Прихващането на клавиатурата е включено. Вече работят общосистемните клавишни комбинации.</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled</source>
        <translation>Прихващането на клавиатурата е изключено</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled. Some shortcuts and features may not work as intended</source>
        <translation>Прихващането на клавиатурата е изключено. Някои клавишни комбинации и функции може да не работят както трябва</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled</source>
        <translation>Клавишните комбинации са включени</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled. You can now use Kavo shortcuts.</source>
        <translation>Клавишните комбинации са включени. Вече работят клавишните комбинации на Kavo.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled</source>
        <translation>Клавишните комбинации са изключени</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled. Kavo shortcuts will not work</source>
        <translation>Клавишните комбинации са изключени. Клавишните комбинации на Kavo няма да работят</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled</source>
        <translation>Аварийните клавишни комбинации са включени</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.</source>
        <translation>Аварийните клавишни комбинации са включени. Вече работят аварийните клавишни комбинации на Kavo.</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled</source>
        <translation>Аварийните клавишни комбинации са изключени</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work</source>
        <translation>Аварийните клавишни комбинации са изключени. Аварийните клавишни комбинации на Kavo няма да работят</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled</source>
        <translation>Всички клавишни комбинации и прихващането са включени</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.</source>
        <translation>Всички клавишни комбинации и прихващането са включени. Вече работят общосистемните и аварийните клавишни комбинации, както и тези на Kavo.</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled</source>
        <translation>Всички клавишни комбинации и прихващането са изключени</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work</source>
        <translation>Всички клавишни комбинации и прихващането са изключени. Общосистемните и аварийните клавишни комбинации, както и тези на Kavo, няма да работят</translation>
    </message>
    <message>
        <source>Manual temperature enabled</source>
        <translation>Ръчната температура е включена</translation>
    </message>
    <message>
        <source>You are now using Kavo Mixed mode</source>
        <translation>Сега Kavo работи в смесен режим</translation>
    </message>
    <message>
        <source>Manual temperature disabled</source>
        <translation>Ръчната температура е изключена</translation>
    </message>
    <message>
        <source>Kavo will use your selected mode for temperature again</source>
        <translation>Kavo отново ще задава температурата според избрания режим</translation>
    </message>
    <message>
        <source>Manual brightness enabled</source>
        <translation>Ръчната яркост е включена</translation>
    </message>
    <message>
        <source>You are now using Kavo mini Mixed mode</source>
        <translation>Сега Kavo mini работи в смесен режим</translation>
    </message>
    <message>
        <source>Manual brightness disabled</source>
        <translation>Ръчната яркост е изключена</translation>
    </message>
    <message>
        <source>Kavo mini will use your selected mode for brightness again</source>
        <translation>Kavo mini отново ще задава яркостта според избрания режим</translation>
    </message>
    <message>
        <source>Zero blue light</source>
        <translation>Без синя светлина</translation>
    </message>
    <message>
        <source>All blue light is removed from the screen</source>
        <translation>Цялата синя светлина е премахната от екрана</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Инвертиране</translation>
    </message>
    <message>
        <source>Colors are inverted</source>
        <translation>Цветовете са инвертирани</translation>
    </message>
    <message>
        <source>Manual location enabled</source>
        <translation>Ръчното местоположение е включено</translation>
    </message>
    <message>
        <source>Kavo mini will use your manual location. Set latitude and longitude with the hidden features</source>
        <translation>Kavo mini ще използва ръчно зададеното местоположение. Задайте ширината и дължината чрез скритите функции</translation>
    </message>
    <message>
        <source>Manual location disabled</source>
        <translation>Ръчното местоположение е изключено</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini ще определя местоположението автоматично. По него се изчисляват положението на слънцето и продължителността на деня и нощта</translation>
    </message>
    <message>
        <source>Latitude changed</source>
        <translation>Ширината е променена</translation>
    </message>
    <message>
        <source>Latitude changed to %1°</source>
        <translation>Ширината е променена на %1°</translation>
    </message>
    <message>
        <source>Longitude changed</source>
        <translation>Дължината е променена</translation>
    </message>
    <message>
        <source>Longitude changed to %1°</source>
        <translation>Дължината е променена на %1°</translation>
    </message>
    <message>
        <source>Manual night duration enabled</source>
        <translation>Ръчната продължителност на нощта е включена</translation>
    </message>
    <message>
        <source>Kavo mini will use manual night duration. Set start and end time with the hidden features</source>
        <translation>Kavo mini ще използва ръчно зададена продължителност на нощта. Задайте началото и края ѝ чрез скритите функции</translation>
    </message>
    <message>
        <source>Manual night duration disabled</source>
        <translation>Ръчната продължителност на нощта е изключена</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini ще изчислява продължителността на нощта автоматично според местоположението. По него се изчисляват положението на слънцето и продължителността на деня и нощта</translation>
    </message>
    <message>
        <source>No File selected for Export</source>
        <translation>Не е избран файл за експортиране</translation>
    </message>
    <message>
        <source>Failed to write file for Export: %1</source>
        <translation>Файлът за експортиране не можа да се запише: %1</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>Настройките са експортирани в %1</translation>
    </message>
    <message>
        <source>No File selected for Import</source>
        <translation>Не е избран файл за импортиране</translation>
    </message>
    <message>
        <source>Failed to open file for Import</source>
        <translation>Файлът за импортиране не можа да се отвори</translation>
    </message>
    <message>
        <source>File too large for Import (over 1 MiB): %1</source>
        <translation>Файлът е твърде голям за импортиране (над 1 MiB): %1</translation>
    </message>
    <message>
        <source>Settings too large for Import (over 1 MiB)</source>
        <translation>Настройките са твърде големи за импортиране (над 1 MiB)</translation>
    </message>
    <message>
        <source>Not a Kavo settings file: it does not start with the &quot;#Created by&quot; header</source>
        <translation>Това не е файл с настройки на Kavo: не започва със заглавието &quot;#Created by&quot;</translation>
    </message>
    <message>
        <source>No settings to import: the file holds no setting Kavo knows</source>
        <translation>Няма какво да се импортира: файлът не съдържа настройки, които Kavo познава</translation>
    </message>
    <message>
        <source>Settings not writable: the import was not saved</source>
        <translation>Настройките не могат да се запишат: импортирането не е запазено</translation>
    </message>
    <message>
        <source>%1 settings imported</source>
        <translation>Импортирани настройки: %1</translation>
    </message>
    <message>
        <source>, %1 unknown keys ignored</source>
        <translation>, пренебрегнати непознати ключове: %1</translation>
    </message>
    <message>
        <source>, %1 invalid lines skipped</source>
        <translation>, пропуснати невалидни редове: %1</translation>
    </message>
    <message>
        <source>%1 until work</source>
        <translation>%1 до работа</translation>
    </message>
    <message>
        <source>%1 until rest</source>
        <translation>%1 до почивка</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in %2 minutes.</source>
        <translation>%1 напомня: голяма почивка след %2 мин.</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in 30 seconds.</source>
        <translation>%1 напомня: голяма почивка след 30 секунди.</translation>
    </message>
    <message>
        <source>Big rest incoming</source>
        <translation>Наближава голяма почивка</translation>
    </message>
    <message>
        <source>work</source>
        <translation>работа</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>Back to work</source>
        <translation>Обратно на работа</translation>
    </message>
    <message>
        <source>Bend forward and let your arms hang loose.</source>
        <translation>Наведете се напред и отпуснете свободно ръцете си.</translation>
    </message>
    <message>
        <source>Blink often: screens make us forget to.</source>
        <translation>Мигайте често: пред екрана забравяме да го правим.</translation>
    </message>
    <message>
        <source>Blink quickly for a few seconds, then close your eyes.</source>
        <translation>Мигайте бързо няколко секунди, после затворете очи.</translation>
    </message>
    <message>
        <source>Break is coming in %1</source>
        <translation>Почивка след %1</translation>
    </message>
    <message>
        <source>Bring your chin to your chest and lift it back slowly.</source>
        <translation>Доближете брадичката до гърдите си и бавно я вдигнете обратно.</translation>
    </message>
    <message>
        <source>Close your eyes and breathe slowly.</source>
        <translation>Затворете очи и дишайте бавно.</translation>
    </message>
    <message>
        <source>Drink a glass of water.</source>
        <translation>Изпийте чаша вода.</translation>
    </message>
    <message>
        <source>Esc keeps the shortcut, Backspace removes it.</source>
        <translation>Esc запазва комбинацията, Backspace я премахва.</translation>
    </message>
    <message>
        <source>Hide the camera picture</source>
        <translation>Скрий образа от камерата</translation>
    </message>
    <message>
        <source>Hold Ctrl, Alt or Meta with this key.</source>
        <translation>Задръжте Ctrl, Alt или Meta заедно с този клавиш.</translation>
    </message>
    <message>
        <source>Kavo cannot use this key in a shortcut.</source>
        <translation>Kavo не може да използва този клавиш в комбинация.</translation>
    </message>
    <message>
        <source>Look at something at least six metres away.</source>
        <translation>Погледнете нещо на поне шест метра от вас.</translation>
    </message>
    <message>
        <source>Look at something far away, out of a window if you can.</source>
        <translation>Погледнете нещо в далечината, ако можете — през прозореца.</translation>
    </message>
    <message>
        <source>Look up, down, left and right, holding each for a breath.</source>
        <translation>Погледнете нагоре, надолу, наляво и надясно, като задържате всеки път за един дъх.</translation>
    </message>
    <message>
        <source>Monitor %1</source>
        <translation>Монитор %1</translation>
    </message>
    <message>
        <source>Put your hands on your hips and lean back gently.</source>
        <translation>Сложете ръце на кръста и леко се наведете назад.</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>Почивка</translation>
    </message>
    <message>
        <source>Roll your shoulders back a few times.</source>
        <translation>Завъртете раменете си назад няколко пъти.</translation>
    </message>
    <message>
        <source>Roll your shoulders back five times.</source>
        <translation>Завъртете раменете си назад пет пъти.</translation>
    </message>
    <message>
        <source>Show the camera picture</source>
        <translation>Покажи образа от камерата</translation>
    </message>
    <message>
        <source>Slowly roll your eyes in a circle, then the other way.</source>
        <translation>Бавно завъртете очи в кръг, после в обратната посока.</translation>
    </message>
    <message>
        <source>Stand up and reach both arms above your head.</source>
        <translation>Станете и вдигнете двете си ръце над главата.</translation>
    </message>
    <message>
        <source>Stand up and stretch your arms above your head.</source>
        <translation>Станете и се протегнете с ръце над главата.</translation>
    </message>
    <message>
        <source>Step %1 / %2</source>
        <translation>Стъпка %1 / %2</translation>
    </message>
    <message>
        <source>The camera is off</source>
        <translation>Камерата е изключена</translation>
    </message>
    <message>
        <source>Tilt your ear toward your shoulder on each side.</source>
        <translation>Наклонете глава с ухо към рамото, първо на едната, после на другата страна.</translation>
    </message>
    <message>
        <source>Turn your head slowly to the left and hold, then to the right.</source>
        <translation>Бавно завъртете глава наляво и задръжте, после надясно.</translation>
    </message>
    <message>
        <source>Twist your upper body slowly to each side.</source>
        <translation>Бавно завъртете горната част на тялото си на двете страни.</translation>
    </message>
    <message>
        <source>blink detection is off</source>
        <translation>броенето на мигането е изключено</translation>
    </message>
    <message>
        <source>until work</source>
        <translation>до работа</translation>
    </message>
    <message>
        <source>Kavo Settings File (*.kavo_settings *.kavo)</source>
        <translation>Файл с настройки на Kavo (*.kavo_settings *.kavo)</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>Запиши файл...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Отвори файл...</translation>
    </message>
    <message>
        <source>This window cannot be shown: Kavo&apos;s web part is missing.</source>
        <translation>Този прозорец не може да бъде показан: уеб частта на Kavo липсва.</translation>
    </message>
    <message>
        <source>Camera features are missing</source>
        <translation>Функциите на камерата липсват</translation>
    </message>
    <message>
        <source>Settings cannot be saved</source>
        <translation>Настройките не могат да бъдат запазени</translation>
    </message>
    <message>
        <source>Wayland lets no program click for the user: the auto clicker is not available.</source>
        <translation>Wayland не позволява на програми да щракват вместо потребителя: автоматичното щракане не е налично.</translation>
    </message>
    <message>
        <source>Wayland lets no program draw the mouse cursor: the software cursor is not available.</source>
        <translation>Wayland не позволява на програми да рисуват курсора на мишката: софтуерният курсор не е наличен.</translation>
    </message>
    <message>
        <source>Wayland gives ordinary programs no picture of the screen: effects that work on a picture while you are idle are not available.</source>
        <translation>Wayland не дава на обикновените програми изображение на екрана: ефектите, които работят с изображение, докато сте неактивни, не са налични.</translation>
    </message>
    <message>
        <source>GNOME tells no program which window is in front (that needs a Shell extension): pausers and triggers cannot see programs.</source>
        <translation>GNOME не казва на програмите кой прозорец е отпред (за това е нужно разширение на Shell): паузите и тригерите не виждат програмите.</translation>
    </message>
    <message>
        <source>This compositor tells no program which window is in front: pausers and triggers cannot see programs.</source>
        <translation>Този композитор не казва на програмите кой прозорец е отпред: паузите и тригерите не виждат програмите.</translation>
    </message>
    <message>
        <source>This desktop does not say when you are idle: inactivity does not stop the timer.</source>
        <translation>Този работен плот не съобщава кога сте неактивни: неактивността не спира таймера.</translation>
    </message>
    <message>
        <source>This desktop keeps keys to itself: bind each shortcut in the compositor&apos;s configuration, for example in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; or in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lists the actions).</source>
        <translation>Този работен плот пази клавишите за себе си: задайте всяка клавишна комбинация в настройките на композитора, например в sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; или в Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help изброява действията).</translation>
    </message>
    <message>
        <source>This desktop lets no window lie over everything: the overlay&apos;s colour goes through the screen&apos;s colours, and the lightness spot is not shown.</source>
        <translation>Този работен плот не позволява на прозорец да стои над всичко: цветът на наслагването минава през цветовете на екрана, а светлото петно не се показва.</translation>
    </message>
    <message>
        <source>This desktop lets no program take the keyboard: strict breaks cannot keep other programs from keys.</source>
        <translation>Този работен плот не позволява на програма да заеме клавиатурата: строгите почивки не могат да отнемат клавишите от другите програми.</translation>
    </message>
    <message>
        <source>This desktop has no tray (no StatusNotifierWatcher): start Kavo again to open its window.</source>
        <translation>Този работен плот няма системна област (няма StatusNotifierWatcher): стартирайте Kavo отново, за да отворите прозореца му.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Собствен</translation>
    </message>
    <message>
        <source>&amp;Health</source>
        <translation>&amp;Здраве</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>С&amp;ън</translation>
    </message>
    <message>
        <source>&amp;Gaming</source>
        <translation>&amp;Игри</translation>
    </message>
    <message>
        <source>&amp;Reading</source>
        <translation>&amp;Четене</translation>
    </message>
    <message>
        <source>&amp;Programming</source>
        <translation>&amp;Програмиране</translation>
    </message>
    <message>
        <source>&amp;Biohacker</source>
        <translation>&amp;Биохакер</translation>
    </message>
    <message>
        <source>&amp;Sunglasses</source>
        <translation>Слънчеви &amp;очила</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Тъмен</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>&amp;Филм</translation>
    </message>
    <message>
        <source>&amp;Overlay</source>
        <translation>&amp;Наслагване</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Пауза на цветовете</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Пауза на таймера</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Пауза на курсора</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>&amp;Change mode</source>
        <translation>С&amp;мени режима</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Автоматичен</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Ръчен</translation>
    </message>
    <message>
        <source>&amp;Paused</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>Stop auto clicker</source>
        <translation>Спиране на автоматичното щракане</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Изход</translation>
    </message>
</context>
<context>
    <name>message_box</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
