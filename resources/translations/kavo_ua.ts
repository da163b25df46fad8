<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Що нового</translation>
    </message>
    <message>
        <source>This build of Kavo names no page with its changes.</source>
        <translation>У цій збірці Kavo не вказано сторінку зі змінами.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Вебсайт</translation>
    </message>
    <message>
        <source>This build of Kavo names no website.</source>
        <translation>У цій збірці Kavo не вказано вебсайт.</translation>
    </message>
    <message>
        <source>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</source>
        <translation>Цей робочий стіл не вміє малювати програмний курсор миші: курсор залишиться таким, як був.</translation>
    </message>
</context>
<context>
    <name>ColorTriggers</name>
    <message>
        <source>Line %1 is not &quot;program = temperature brightness&quot;: %2</source>
        <translation>Рядок %1 не у форматі &quot;програма = температура яскравість&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Cyclops</name>
    <message>
        <source>Restart your PC</source>
        <translation>Перезавантажте комп’ютер</translation>
    </message>
    <message>
        <source>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</source>
        <translation>Kavo вніс невелику зміну, щоб дозволити нижчі значення. Перезавантажте комп’ютер один раз, щоб відкрити всі можливості.</translation>
    </message>
    <message>
        <source>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</source>
        <translation>Деякі функції обмежені, доки ви не перезавантажите комп’ютер. Зараз використовується високорівневий API кольору.</translation>
    </message>
</context>
<context>
    <name>DebugConsoleWindow</name>
    <message>
        <source>Copy all</source>
        <translation>Копіювати все</translation>
    </message>
</context>
<context>
    <name>DebugInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>НАТИСНІТЬ, ЩОБ СКОПІЮВАТИ ТЕКСТ У БУФЕР ОБМІНУ</translation>
    </message>
</context>
<context>
    <name>MagnificationApi</name>
    <message>
        <source>Kavo Color Effects</source>
        <translation>Колірні ефекти Kavo</translation>
    </message>
    <message>
        <source>Failed to initialize color effects.</source>
        <translation>Не вдалося ввімкнути колірні ефекти.</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message>
        <source>sec</source>
        <translation>с</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>год</translation>
    </message>
    <message>
        <source>min</source>
        <translation>хв</translation>
    </message>
</context>
<context>
    <name>TaskbarButton</name>
    <message>
        <source>Work/Break</source>
        <translation>Робота/перерва</translation>
    </message>
    <message>
        <source>Reset timer</source>
        <translation>Скинути таймер</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>Пауза/продовжити</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Таймер на паузі</translation>
    </message>
</context>
<context>
    <name>TransitionTimesInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>НАТИСНІТЬ, ЩОБ СКОПІЮВАТИ ТЕКСТ У БУФЕР ОБМІНУ</translation>
    </message>
    <message>
        <source>Detected current Clock time</source>
        <translation>Поточний час на годиннику</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Місцевий час</translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation>Час UTC</translation>
    </message>
    <message>
        <source>Day start time</source>
        <translation>Початок дня</translation>
    </message>
    <message>
        <source>Day transition start time</source>
        <translation>Початок переходу до дня</translation>
    </message>
    <message>
        <source>Day transition end time</source>
        <translation>Кінець переходу до дня</translation>
    </message>
    <message>
        <source>Day end time</source>
        <translation>Кінець дня</translation>
    </message>
    <message>
        <source>Night start time</source>
        <translation>Початок ночі</translation>
    </message>
    <message>
        <source>Night transition start time</source>
        <translation>Початок переходу до ночі</translation>
    </message>
    <message>
        <source>Night transition end time</source>
        <translation>Кінець переходу до ночі</translation>
    </message>
    <message>
        <source>Night end time</source>
        <translation>Кінець ночі</translation>
    </message>
    <message>
        <source>Day duration</source>
        <translation>Тривалість дня</translation>
    </message>
    <message>
        <source>Day transition duration</source>
        <translation>Тривалість переходу до дня</translation>
    </message>
    <message>
        <source>Night duration</source>
        <translation>Тривалість ночі</translation>
    </message>
    <message>
        <source>Night transition duration</source>
        <translation>Тривалість переходу до ночі</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Часовий пояс</translation>
    </message>
    <message>
        <source>Custom Time zone offset</source>
        <translation>Власний зсув часового поясу</translation>
    </message>
    <message>
        <source>Sunrise time</source>
        <translation>Час сходу сонця</translation>
    </message>
    <message>
        <source>Sunset time</source>
        <translation>Час заходу сонця</translation>
    </message>
    <message>
        <source>New moon offset</source>
        <translation>Зсув у новий місяць</translation>
    </message>
    <message>
        <source>Full moon offset</source>
        <translation>Зсув у повню</translation>
    </message>
    <message>
        <source>Current moon offset</source>
        <translation>Поточний місячний зсув</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Час сну</translation>
    </message>
    <message>
        <source>Bedtime transition start time</source>
        <translation>Початок переходу до сну</translation>
    </message>
    <message>
        <source>Bedtime transition end time</source>
        <translation>Кінець переходу до сну</translation>
    </message>
    <message>
        <source>Bedtime end time</source>
        <translation>Кінець періоду сну</translation>
    </message>
    <message>
        <source>Wake time</source>
        <translation>Час пробудження</translation>
    </message>
    <message>
        <source>Wake time transition start time</source>
        <translation>Початок переходу до пробудження</translation>
    </message>
    <message>
        <source>Wake time transition end time</source>
        <translation>Кінець переходу до пробудження</translation>
    </message>
    <message>
        <source>Wake time end time</source>
        <translation>Кінець періоду неспання</translation>
    </message>
    <message>
        <source>Sleep duration</source>
        <translation>Тривалість сну</translation>
    </message>
    <message>
        <source>Sleep transition duration</source>
        <translation>Тривалість переходу до сну</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Довгота</translation>
    </message>
    <message>
        <source>Use Automatic Location</source>
        <translation>Автоматичне розташування</translation>
    </message>
    <message>
        <source>Use Manual Night Duration</source>
        <translation>Тривалість ночі вручну</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>Loading...</source>
        <translation>Завантаження...</translation>
    </message>
    <message>
        <source>Location unknown: set it by hand</source>
        <translation>Розташування невідоме: вкажіть його вручну</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>Доступна нова версія</translation>
    </message>
    <message>
        <source>Kavo %1 is available</source>
        <translation>Доступна версія Kavo %1</translation>
    </message>
    <message>
        <source>This build of Kavo names no update server</source>
        <translation>У цій збірці Kavo не вказано сервер оновлень</translation>
    </message>
    <message>
        <source>No answer from the update server</source>
        <translation>Сервер оновлень не відповідає</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read</source>
        <translation>Не вдалося прочитати відповідь сервера оновлень</translation>
    </message>
    <message>
        <source>Kavo is up to date</source>
        <translation>У вас остання версія Kavo</translation>
    </message>
    <message>
        <source>100 % leaves colours as they are; 0 % is grey.</source>
        <translation>За 100 % кольори не змінюються, за 0 % усе стає сірим.</translation>
    </message>
    <message>
        <source>A cursor drawn in software takes on the screen colours.</source>
        <translation>Програмний курсор набуває кольорів екрана.</translation>
    </message>
    <message>
        <source>A window with Kavo&apos;s log as it is written. Click again to close it.</source>
        <translation>Вікно, у якому журнал Kavo видно під час запису. Натисніть ще раз, щоб закрити його.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Achromatomaly</source>
        <translation>Ахроматомалія</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Ахроматопсія</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Розширений</translation>
    </message>
    <message>
        <source>Allows values from 0 K (deep red) to 10000 K (cold blue).</source>
        <translation>Дозволяє значення від 0 K (глибокий червоний) до 10000 K (холодний синій).</translation>
    </message>
    <message>
        <source>Allows values from 10 % to 150 %.</source>
        <translation>Дозволяє значення від 10 % до 150 %.</translation>
    </message>
    <message>
        <source>Apply the saturation above.</source>
        <translation>Застосувати насиченість, задану вище.</translation>
    </message>
    <message>
        <source>Ask the update server once, whatever the settings above.</source>
        <translation>Один раз запитати сервер оновлень, незалежно від налаштувань вище.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматичний</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Автооновлення</translation>
    </message>
    <message>
        <source>Autosave settings changes</source>
        <translation>Автозбереження налаштувань</translation>
    </message>
    <message>
        <source>Bedtime:</source>
        <translation>Час сну:</translation>
    </message>
    <message>
        <source>Biohacker</source>
        <translation>Біохакер</translation>
    </message>
    <message>
        <source>Block keyboard on strict mode</source>
        <translation>Блокувати клавіатуру в суворому режимі</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синій</translation>
    </message>
    <message>
        <source>Blue light</source>
        <translation>Синє світло</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яскравість</translation>
    </message>
    <message>
        <source>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</source>
        <translation>Яскравість після заходу сонця. У темній кімнаті тьмяніший екран менше втомлює очі.</translation>
    </message>
    <message>
        <source>Brightness in daylight, in percent of the full screen brightness.</source>
        <translation>Яскравість удень, у відсотках від повної яскравості екрана.</translation>
    </message>
    <message>
        <source>Brightness of the sleep period.</source>
        <translation>Яскравість у період сну.</translation>
    </message>
    <message>
        <source>Build this window only when it is first opened, which saves memory and start-up time.</source>
        <translation>Створювати це вікно лише під час першого відкриття: так заощаджується пам’ять і прискорюється запуск.</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>Процесор</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <source>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</source>
        <translation>Трохи змінювати кожну нову гамма-криву, щоб драйвер дисплея, який пропускає повторну криву, знову прийняв кольори Kavo, наприклад після того, як їх скинула гра.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Перевіряти оновлення</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Перевірити зараз</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Вибрати сторінки</translation>
    </message>
    <message>
        <source>Choose the monitors Kavo changes, and whether each has colours of its own.</source>
        <translation>Виберіть, які монітори змінює Kavo і чи потрібні кожному власні кольори.</translation>
    </message>
    <message>
        <source>ClearType</source>
        <translation>ClearType</translation>
    </message>
    <message>
        <source>ClearType with alternative renderer</source>
        <translation>ClearType з іншим методом відтворення</translation>
    </message>
    <message>
        <source>Click to copy the text to the clipboard</source>
        <translation>Натисніть, щоб скопіювати текст у буфер обміну</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Closing the window hides it instead of minimising it.</source>
        <translation>Під час закриття вікно ховається, а не згортається.</translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation>Колірна схема</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Колірна температура</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Кольори</translation>
    </message>
    <message>
        <source>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</source>
        <translation>Колірна температура після заходу сонця. Тепле світло ввечері дбайливіше до вашого сну.</translation>
    </message>
    <message>
        <source>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</source>
        <translation>Колірна температура вдень. 6500 K — нейтральне світло; нижчі значення тепліші й містять менше синього світла.</translation>
    </message>
    <message>
        <source>Colour temperature of the sleep period.</source>
        <translation>Колірна температура в період сну.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Власний</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темний</translation>
    </message>
    <message>
        <source>Day Brightness</source>
        <translation>Денна яскравість</translation>
    </message>
    <message>
        <source>Day Light</source>
        <translation>Денне світло</translation>
    </message>
    <message>
        <source>Day Temperature</source>
        <translation>Денна температура</translation>
    </message>
    <message>
        <source>Day Transition:</source>
        <translation>Перехід до дня:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Налагодження</translation>
    </message>
    <message>
        <source>Debug console</source>
        <translation>Консоль налагодження</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>Відомості для налагодження</translation>
    </message>
    <message>
        <source>Degrees east; negative in the west.</source>
        <translation>Градуси східної довготи; для західної — зі знаком мінус.</translation>
    </message>
    <message>
        <source>Degrees north; negative in the south.</source>
        <translation>Градуси північної широти; для південної — зі знаком мінус.</translation>
    </message>
    <message>
        <source>Desaturated</source>
        <translation>Знебарвлення</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>Дейтераномалія</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Дейтеранопія</translation>
    </message>
    <message>
        <source>During strict breaks the keyboard does nothing.</source>
        <translation>Під час суворих перерв клавіатура не працює.</translation>
    </message>
    <message>
        <source>Each step enlarges the screen a little more.</source>
        <translation>Кожен крок ще трохи збільшує екран.</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Інтервал</translation>
    </message>
    <message>
        <source>Every language is named in its own words.</source>
        <translation>Назви мов написано самими цими мовами.</translation>
    </message>
    <message>
        <source>Extended values</source>
        <translation>Розширений діапазон</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Шрифти</translation>
    </message>
    <message>
        <source>Fonts type</source>
        <translation>Згладжування шрифтів</translation>
    </message>
    <message>
        <source>Full Moon offset:</source>
        <translation>Зсув у повню:</translation>
    </message>
    <message>
        <source>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</source>
        <translation>Повноекранні колірні фільтри: відтінки сірого, інверсія, сепія та фільтри для порушень колірного зору.</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>Відеокарта</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>Ігри</translation>
    </message>
    <message>
        <source>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</source>
        <translation>Власна температура і яскравість для кожного монітора; монітор вибирається вкладками вгорі.</translation>
    </message>
    <message>
        <source>Grayclase Red</source>
        <translation>Відтінки сірого з червоним</translation>
    </message>
    <message>
        <source>Grayscale 1</source>
        <translation>Відтінки сірого 1</translation>
    </message>
    <message>
        <source>Grayscale 2</source>
        <translation>Відтінки сірого 2</translation>
    </message>
    <message>
        <source>Grayscale 3</source>
        <translation>Відтінки сірого 3</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелений</translation>
    </message>
    <message>
        <source>Groot</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Здоров’я</translation>
    </message>
    <message>
        <source>Hide Taskbar icon on close</source>
        <translation>Ховати значок на панелі завдань під час закриття</translation>
    </message>
    <message>
        <source>How Kavo fits into your desktop.</source>
        <translation>Як Kavo вбудовується у ваш робочий стіл.</translation>
    </message>
    <message>
        <source>How Kavo keeps its colours on the screen.</source>
        <translation>Як Kavo утримує свої кольори на екрані.</translation>
    </message>
    <message>
        <source>How Kavo keeps your settings and notices that you are away.</source>
        <translation>Як Kavo зберігає ваші налаштування і помічає, що ви відійшли.</translation>
    </message>
    <message>
        <source>How a colour temperature turns into screen colours.</source>
        <translation>Як колірна температура перетворюється на кольори екрана.</translation>
    </message>
    <message>
        <source>How bright the screen is by day and by night.</source>
        <translation>Наскільки яскравий екран удень і вночі.</translation>
    </message>
    <message>
        <source>How long colours glide when Kavo pauses, resumes or changes mode or type.</source>
        <translation>Скільки триває плавна зміна кольорів, коли Kavo стає на паузу, продовжує роботу або змінює режим чи тип.</translation>
    </message>
    <message>
        <source>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</source>
        <translation>Скільки триває перехід до дня: із серединою в момент сходу сонця або із завершенням у момент, коли ніч закінчується за годинником.</translation>
    </message>
    <message>
        <source>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</source>
        <translation>Скільки триває перехід до ночі: із серединою в момент заходу сонця або із завершенням у момент, коли ніч починається за годинником.</translation>
    </message>
    <message>
        <source>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</source>
        <translation>Скільки тривають переходи до періоду сну і назад; вони завершуються в час сну і в час пробудження.</translation>
    </message>
    <message>
        <source>How much blue light the screen gives off by day and by night.</source>
        <translation>Скільки синього світла випромінює екран удень і вночі.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at full moon.</source>
        <translation>Наскільки раніше починаються ніч і день у повню.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at new moon.</source>
        <translation>Наскільки раніше починаються ніч і день у новий місяць.</translation>
    </message>
    <message>
        <source>How often a running Kavo looks again.</source>
        <translation>Як часто запущений Kavo перевіряє знову.</translation>
    </message>
    <message>
        <source>How slowly the colours change between day, night and sleep.</source>
        <translation>Наскільки плавно змінюються кольори між днем, ніччю і сном.</translation>
    </message>
    <message>
        <source>How the system smooths the edges of text.</source>
        <translation>Як система згладжує краї тексту.</translation>
    </message>
    <message>
        <source>Invert colors</source>
        <translation>Інвертувати кольори</translation>
    </message>
    <message>
        <source>Kavo</source>
        <translation>Kavo</translation>
    </message>
    <message>
        <source>Kavo can look for a new version and tell you when one is out.</source>
        <translation>Kavo може шукати нову версію і повідомляти про її вихід.</translation>
    </message>
    <message>
        <source>Kavo follows the sun at your location. Without a location of your own it looks one up.</source>
        <translation>Kavo стежить за сонцем у вашому розташуванні. Якщо ви його не вказали, Kavo визначить його сам.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and needs to relaunch for them to take effect.</source>
        <translation>Kavo вніс зміни в систему. Щоб вони набули чинності, Kavo потрібно перезапустити.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and restart is needed for changes to take effect.</source>
        <translation>Kavo вніс зміни в систему. Щоб вони набули чинності, потрібно перезавантажити комп’ютер.</translation>
    </message>
    <message>
        <source>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</source>
        <translation>Kavo дбає про ваші очі: м’якші кольори вночі та нагадування про відпочинок.</translation>
    </message>
    <message>
        <source>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</source>
        <translation>Версія Kavo, ваша система і робочий стіл, а також усі налаштування. Натисніть на текст, щоб скопіювати його.</translation>
    </message>
    <message>
        <source>Keep the night brightness all the time instead of following the sun.</source>
        <translation>Завжди тримати нічну яскравість, а не стежити за сонцем.</translation>
    </message>
    <message>
        <source>Keep the night value all the time instead of following the sun.</source>
        <translation>Завжди тримати нічне значення, а не стежити за сонцем.</translation>
    </message>
    <message>
        <source>Keeps Kavo light while it waits in the background.</source>
        <translation>Kavo менше навантажує систему, поки чекає у фоні.</translation>
    </message>
    <message>
        <source>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</source>
        <translation>Натискання клавіш вважаються присутністю: якщо їх немає близько 20 хвилин, таймер перерв зупиняється і знову запускається, коли ви повернетеся.</translation>
    </message>
    <message>
        <source>Keyboard inactivity</source>
        <translation>Бездіяльність клавіатури</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Пізніше</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Широта:</translation>
    </message>
    <message>
        <source>Leading Color</source>
        <translation>Провідний колір</translation>
    </message>
    <message>
        <source>Let Kavo set the frequency above.</source>
        <translation>Дозволити Kavo встановлювати частоту, задану вище.</translation>
    </message>
    <message>
        <source>Let Kavo tell you when a new version is out.</source>
        <translation>Kavo повідомить вам про вихід нової версії.</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Лінійна</translation>
    </message>
    <message>
        <source>Linear Blue</source>
        <translation>Лінійна синя</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Розташування</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Довгота:</translation>
    </message>
    <message>
        <source>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</source>
        <translation>Шукати нову версію під час запуску Kavo, а потім регулярно. Зберігається разом з іншими налаштуваннями.</translation>
    </message>
    <message>
        <source>Look now</source>
        <translation>Разова перевірка</translation>
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
        <translation>Керування моніторами</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ручний</translation>
    </message>
    <message>
        <source>Manual Brightness</source>
        <translation>Яскравість вручну</translation>
    </message>
    <message>
        <source>Manual blue light</source>
        <translation>Синє світло вручну</translation>
    </message>
    <message>
        <source>Manual color settings</source>
        <translation>Колір вручну</translation>
    </message>
    <message>
        <source>Manual location</source>
        <translation>Розташування вручну</translation>
    </message>
    <message>
        <source>Manual night duration</source>
        <translation>Тривалість ночі вручну</translation>
    </message>
    <message>
        <source>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</source>
        <translation>Багато екранів зменшують яскравість підсвічування, дуже швидко вмикаючи й вимикаючи його (ШІМ). Що вища частота, то менше мерехтіння.</translation>
    </message>
    <message>
        <source>Max Frequency</source>
        <translation>Макс. частота</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Згорнути</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Monitor 1</source>
        <translation>Монітор 1</translation>
    </message>
    <message>
        <source>Monitor 2</source>
        <translation>Монітор 2</translation>
    </message>
    <message>
        <source>Monitor 3</source>
        <translation>Монітор 3</translation>
    </message>
    <message>
        <source>Monitor 4</source>
        <translation>Монітор 4</translation>
    </message>
    <message>
        <source>Monitor 5</source>
        <translation>Монітор 5</translation>
    </message>
    <message>
        <source>Monitor 6</source>
        <translation>Монітор 6</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Місяць</translation>
    </message>
    <message>
        <source>Mouse inactivity</source>
        <translation>Бездіяльність миші</translation>
    </message>
    <message>
        <source>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</source>
        <translation>Рухи миші вважаються присутністю: якщо їх немає близько 20 хвилин, таймер перерв зупиняється і знову запускається, коли ви повернетеся.</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Кіно</translation>
    </message>
    <message>
        <source>Mutes or strengthens the colours of the whole screen.</source>
        <translation>Приглушує або посилює кольори всього екрана.</translation>
    </message>
    <message>
        <source>Negative Grayclased Red</source>
        <translation>Негатив: відтінки сірого з червоним</translation>
    </message>
    <message>
        <source>Negative Grayscale</source>
        <translation>Негатив: відтінки сірого</translation>
    </message>
    <message>
        <source>Negative Sepia</source>
        <translation>Негатив: сепія</translation>
    </message>
    <message>
        <source>New Moon offset:</source>
        <translation>Зсув у новий місяць:</translation>
    </message>
    <message>
        <source>News, help and the latest version.</source>
        <translation>Новини, довідка й остання версія.</translation>
    </message>
    <message>
        <source>Night Brightness</source>
        <translation>Нічна яскравість</translation>
    </message>
    <message>
        <source>Night Light</source>
        <translation>Нічне світло</translation>
    </message>
    <message>
        <source>Night Temperature</source>
        <translation>Нічна температура</translation>
    </message>
    <message>
        <source>Night Transition:</source>
        <translation>Перехід до ночі:</translation>
    </message>
    <message>
        <source>Night ends at:</source>
        <translation>Кінець ночі:</translation>
    </message>
    <message>
        <source>Night starts at:</source>
        <translation>Початок ночі:</translation>
    </message>
    <message>
        <source>No smoothing</source>
        <translation>Без згладжування</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Звичайний</translation>
    </message>
    <message>
        <source>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</source>
        <translation>Враховується в часі переходів нижче; сам сонячний розклад іде за часовим поясом системи.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Вимкнено</translation>
    </message>
    <message>
        <source>Olaf</source>
        <translation>Olaf</translation>
    </message>
    <message>
        <source>Old Photo</source>
        <translation>Старе фото</translation>
    </message>
    <message>
        <source>Open or close</source>
        <translation>Відкрити або закрити</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Відкрити вебсайт</translation>
    </message>
    <message>
        <source>Optimize UI Creation</source>
        <translation>Оптимізувати створення інтерфейсу</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Накладання</translation>
    </message>
    <message>
        <source>PWM Control</source>
        <translation>Керування ШІМ</translation>
    </message>
    <message>
        <source>PWM Frequency</source>
        <translation>Частота ШІМ</translation>
    </message>
    <message>
        <source>PWM control</source>
        <translation>Керування ШІМ</translation>
    </message>
    <message>
        <source>Pause Transition:</source>
        <translation>Перехід під час паузи:</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Per Monitor Settings</source>
        <translation>Налаштування для кожного монітора</translation>
    </message>
    <message>
        <source>Preview 24 hours</source>
        <translation>Перегляд 24 годин</translation>
    </message>
    <message>
        <source>Productive</source>
        <translation>Продуктивний</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Програмування</translation>
    </message>
    <message>
        <source>Protanomaly</source>
        <translation>Протаномалія</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Протанопія</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Читання</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Червоний</translation>
    </message>
    <message>
        <source>Relaunch is needed</source>
        <translation>Потрібен перезапуск</translation>
    </message>
    <message>
        <source>Relaunch now</source>
        <translation>Перезапустити</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Restart is needed</source>
        <translation>Потрібне перезавантаження</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Перезавантажити</translation>
    </message>
    <message>
        <source>Revert colors</source>
        <translation>Повернути кольори</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Насиченість</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>Зберегти й закрити</translation>
    </message>
    <message>
        <source>Save changes when the window closes. Without it, closing the window brings back the saved settings.</source>
        <translation>Зберігати зміни під час закриття вікна. Інакше після закриття вікна повернуться збережені налаштування.</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Розклад</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Екран</translation>
    </message>
    <message>
        <source>Screen effect</source>
        <translation>Ефект екрана</translation>
    </message>
    <message>
        <source>Screen effects</source>
        <translation>Ефекти екрана</translation>
    </message>
    <message>
        <source>Send usage statistics</source>
        <translation>Надсилати статистику використання</translation>
    </message>
    <message>
        <source>Sephia</source>
        <translation>Сепія</translation>
    </message>
    <message>
        <source>Set the frequency again with every colour update, for screens that lose it.</source>
        <translation>Знову встановлювати частоту під час кожного оновлення кольору — для екранів, які її скидають.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Показати зміни</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Простий</translation>
    </message>
    <message>
        <source>Simple Inversion</source>
        <translation>Проста інверсія</translation>
    </message>
    <message>
        <source>Simple view</source>
        <translation>Простий вигляд</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Сон</translation>
    </message>
    <message>
        <source>Sleep Brightness</source>
        <translation>Яскравість для сну</translation>
    </message>
    <message>
        <source>Sleep Light</source>
        <translation>Світло для сну</translation>
    </message>
    <message>
        <source>Sleep Transition:</source>
        <translation>Перехід до сну:</translation>
    </message>
    <message>
        <source>Smart Inversion 1</source>
        <translation>Розумна інверсія 1</translation>
    </message>
    <message>
        <source>Smart Inversion 2</source>
        <translation>Розумна інверсія 2</translation>
    </message>
    <message>
        <source>Smart Inversion 3</source>
        <translation>Розумна інверсія 3</translation>
    </message>
    <message>
        <source>Smart Inversion 4</source>
        <translation>Розумна інверсія 4</translation>
    </message>
    <message>
        <source>Smart Inversion 5</source>
        <translation>Розумна інверсія 5</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Стандартний</translation>
    </message>
    <message>
        <source>Start Kavo on startup</source>
        <translation>Запускати Kavo під час старту системи</translation>
    </message>
    <message>
        <source>Start Kavo when you log in.</source>
        <translation>Запускати Kavo під час входу в систему.</translation>
    </message>
    <message>
        <source>Start and end the night by the clock instead of by the sun.</source>
        <translation>Починати й закінчувати ніч за годинником, а не за сонцем.</translation>
    </message>
    <message>
        <source>Steps back until the screen is at its normal size.</source>
        <translation>Крок за кроком зменшує масштаб, доки екран не повернеться до звичайного розміру.</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>Суворий</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Сонцезахисні окуляри</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Обмін кольорів</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>The changes in this version of Kavo.</source>
        <translation>Зміни в цій версії Kavo.</translation>
    </message>
    <message>
        <source>The colour temperature of the screen by day and by night, and inverted colours.</source>
        <translation>Колірна температура екрана вдень і вночі, а також інверсія кольорів.</translation>
    </message>
    <message>
        <source>The colour that stays strongest at warm temperatures.</source>
        <translation>Колір, який залишається найсильнішим за теплої температури.</translation>
    </message>
    <message>
        <source>The filter laid over the whole screen.</source>
        <translation>Фільтр, що накладається на весь екран.</translation>
    </message>
    <message>
        <source>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</source>
        <translation>Частота, яку Kavo встановлює, поки ввімкнено керування ШІМ. Які частоти підтримує екран, уточніть у його виробника.</translation>
    </message>
    <message>
        <source>The highest frequency the slider offers, in hertz.</source>
        <translation>Найвища частота на повзунку, у герцах.</translation>
    </message>
    <message>
        <source>The language of Kavo&apos;s windows, menus and messages.</source>
        <translation>Мова вікон, меню та повідомлень Kavo.</translation>
    </message>
    <message>
        <source>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</source>
        <translation>Місяць зсуває сонячний розклад: ніч і день починаються раніше на зсув, який у міру зростання місяця змінюється від значення для нового місяця до значення для повні.</translation>
    </message>
    <message>
        <source>The sleep period ends here.</source>
        <translation>Тут закінчується період сну.</translation>
    </message>
    <message>
        <source>The sleep period starts here.</source>
        <translation>Тут починається період сну.</translation>
    </message>
    <message>
        <source>The table of colours Kavo follows from warm to cold.</source>
        <translation>Таблиця кольорів, за якою Kavo йде від теплих до холодних.</translation>
    </message>
    <message>
        <source>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</source>
        <translation>Цей екран не дає Kavo керувати ШІМ: допоміжної програми kavo_get_pwm_frequency немає або вона не повідомляє частоту.</translation>
    </message>
    <message>
        <source>This desktop offers Kavo no backlight: the screen&apos;s brightness stays as it is.</source>
        <translation>Цей робочий стіл не дає Kavo керувати підсвічуванням: яскравість екрана залишається незмінною.</translation>
    </message>
    <message>
        <source>This desktop&apos;s night light shows only the colour temperature: colour schemes, the leading colour and screen effects need gamma ramps.</source>
        <translation>Нічне світло цього робочого столу показує лише колірну температуру: колірним схемам, провідному кольору та ефектам екрана потрібні гамма-таблиці.</translation>
    </message>
    <message>
        <source>Time zone offset:</source>
        <translation>Зсув часового поясу:</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Таймер</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Перехід</translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation>Тританомалія</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Тританопія</translation>
    </message>
    <message>
        <source>Turn the chosen filter on or off.</source>
        <translation>Увімкнути або вимкнути вибраний фільтр.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Update continuously</source>
        <translation>Оновлювати постійно</translation>
    </message>
    <message>
        <source>Use Advanced Settings</source>
        <translation>Розширені налаштування</translation>
    </message>
    <message>
        <source>Use Gamma Fixer</source>
        <translation>Виправляти гаму</translation>
    </message>
    <message>
        <source>Use software mouse cursor</source>
        <translation>Програмний курсор миші</translation>
    </message>
    <message>
        <source>Use the coordinates below instead of the looked-up location.</source>
        <translation>Використовувати координати нижче замість знайденого розташування.</translation>
    </message>
    <message>
        <source>Use the sleep colours between bedtime and wake time.</source>
        <translation>Використовувати кольори для сну від часу сну до часу пробудження.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>Wake time:</source>
        <translation>Час пробудження:</translation>
    </message>
    <message>
        <source>Warmer, dimmer colours for the hours before you go to bed.</source>
        <translation>Тепліші й тьмяніші кольори на години перед сном.</translation>
    </message>
    <message>
        <source>Washout 1</source>
        <translation>Вицвітання 1</translation>
    </message>
    <message>
        <source>Washout 2</source>
        <translation>Вицвітання 2</translation>
    </message>
    <message>
        <source>Washout 3</source>
        <translation>Вицвітання 3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Вебсайт</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Що нового</translation>
    </message>
    <message>
        <source>What to send with a request for help. Nothing leaves your computer unless you send it.</source>
        <translation>Що додати до прохання про допомогу. Ніщо не залишає ваш комп’ютер, доки ви самі цього не надішлете.</translation>
    </message>
    <message>
        <source>Where Kavo computes sunrise and sunset for.</source>
        <translation>Місце, для якого Kavo обчислює схід і захід сонця.</translation>
    </message>
    <message>
        <source>Where the desktop decides font smoothing itself, this choice has no effect.</source>
        <translation>Якщо робочий стіл сам керує згладжуванням шрифтів, цей вибір ні на що не впливає.</translation>
    </message>
    <message>
        <source>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</source>
        <translation>Які сторінки й вікна ви відкриваєте — щоразу під новим випадковим номером, без вашого імені й адреси. Лише якщо в цій збірці Kavo вказано адресу для статистики.</translation>
    </message>
    <message>
        <source>Zoom In:</source>
        <translation>Збільшення:</translation>
    </message>
    <message>
        <source>Zoom Out:</source>
        <translation>Зменшення:</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Збільшити</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Зменшити</translation>
    </message>
    <message>
        <source>Zooms the whole screen around the mouse pointer.</source>
        <translation>Збільшує весь екран навколо вказівника миші.</translation>
    </message>
    <message>
        <source>day</source>
        <translation>день</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>прихована</translation>
    </message>
    <message>
        <source>month</source>
        <translation>місяць</translation>
    </message>
    <message>
        <source>per minute</source>
        <translation>за хвилину</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>перерви</translation>
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
        <translation>тиждень</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>A minute of exercises, shown step by step in the corner of your screen.</source>
        <translation>Хвилина вправ, крок за кроком у куті екрана.</translation>
    </message>
    <message>
        <source>A program in front gets colours of its own: a film brighter, a reader warmer.</source>
        <translation>Програма на передньому плані отримує власні кольори: фільм — яскравіші, читалка — тепліші.</translation>
    </message>
    <message>
        <source>A short tone in the last seconds before a rest and before work.</source>
        <translation>Короткий сигнал в останні секунди перед перервою і перед роботою.</translation>
    </message>
    <message>
        <source>A small window in the corner of the screen with the count and the camera picture.</source>
        <translation>Маленьке вікно в куті екрана з лічильником і зображенням з камери.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Програми</translation>
    </message>
    <message>
        <source>Artificial intelligence (AI)</source>
        <translation>Штучний інтелект (ШІ)</translation>
    </message>
    <message>
        <source>Auto clicker</source>
        <translation>Автоклікер</translation>
    </message>
    <message>
        <source>Auto close rest screen</source>
        <translation>Автоматично закривати екран перерви</translation>
    </message>
    <message>
        <source>Automatic brightness</source>
        <translation>Автояскравість</translation>
    </message>
    <message>
        <source>Back exercises</source>
        <translation>Вправи для спини</translation>
    </message>
    <message>
        <source>Blink detection</source>
        <translation>Лічба кліпань</translation>
    </message>
    <message>
        <source>Blink screen</source>
        <translation>Вікно кліпань</translation>
    </message>
    <message>
        <source>Break every</source>
        <translation>Перерва кожні</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Перерви</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>Працює</translation>
    </message>
    <message>
        <source>Clicks the left mouse button where the pointer is, again and again.</source>
        <translation>Раз у раз натискає ліву кнопку миші там, де стоїть вказівник.</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Пауза кольору</translation>
    </message>
    <message>
        <source>Color triggers</source>
        <translation>Кольори для програм</translation>
    </message>
    <message>
        <source>Colour changes pause while one of these programs shows: for drawing, photos and films.</source>
        <translation>Зміна кольорів призупиняється, поки на екрані одна з цих програм: для малювання, фото й фільмів.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продовжити</translation>
    </message>
    <message>
        <source>Continue when you are ready.</source>
        <translation>Продовжуйте, коли будете готові.</translation>
    </message>
    <message>
        <source>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</source>
        <translation>Рахувати кліпання за хвилину. Дивлячись в екран, люди кліпають рідше — лічильник нагадає про це.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</source>
        <translation>Ctrl+Alt+Shift+F10 скидає всі налаштування, Ctrl+Alt+Shift+F11 закриває Kavo, а Ctrl+Alt+Shift+F12 скидає кольори, незалежно від сполучень вище.</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>Зменшити яскравість</translation>
    </message>
    <message>
        <source>Decrease temperature</source>
        <translation>Зменшити температуру</translation>
    </message>
    <message>
        <source>Dim the screen a little while it shows bright content.</source>
        <translation>Трохи приглушувати екран, коли на ньому яскравий вміст.</translation>
    </message>
    <message>
        <source>End screen overlay</source>
        <translation>Прибрати накладання</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Вправи</translation>
    </message>
    <message>
        <source>Eye exercises</source>
        <translation>Вправи для очей</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Функція</translation>
    </message>
    <message>
        <source>Fullscreen apps</source>
        <translation>Повноекранні програми</translation>
    </message>
    <message>
        <source>Have a rest</source>
        <translation>Відпочити</translation>
    </message>
    <message>
        <source>In front now</source>
        <translation>Зараз на передньому плані</translation>
    </message>
    <message>
        <source>Incoming break</source>
        <translation>Незабаром перерва</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>Збільшити яскравість</translation>
    </message>
    <message>
        <source>Increase temperature</source>
        <translation>Збільшити температуру</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Введення</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Установити</translation>
    </message>
    <message>
        <source>Invert the colours while the screen shows mostly bright content.</source>
        <translation>Інвертувати кольори, коли на екрані переважно яскравий вміст.</translation>
    </message>
    <message>
        <source>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</source>
        <translation>Kavo підлаштовує екран під кімнату і під те, що на ньому показано. Знімки з камери та екрана лише вимірюються й одразу відкидаються: вони ніколи не зберігаються й нікуди не надсилаються.</translation>
    </message>
    <message>
        <source>Kavo listens to its shortcuts in every program.</source>
        <translation>Kavo реагує на свої сполучення клавіш у будь-якій програмі.</translation>
    </message>
    <message>
        <source>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</source>
        <translation>Kavo нагадує давати очам відпочинок: коротка перерва після кожного відрізку роботи.</translation>
    </message>
    <message>
        <source>Kavo version</source>
        <translation>Версія Kavo</translation>
    </message>
    <message>
        <source>Keep the screen as bright as the room around it.</source>
        <translation>Тримати яскравість екрана відповідно до освітлення кімнати.</translation>
    </message>
    <message>
        <source>Key combinations that reach Kavo from every program.</source>
        <translation>Сполучення клавіш, які доходять до Kavo з будь-якої програми.</translation>
    </message>
    <message>
        <source>Lite</source>
        <translation>Легкий</translation>
    </message>
    <message>
        <source>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</source>
        <translation>«Легкий» — проста темна завіса із залишком часу. «Простий» і «Стандартний» — повноцінні сторінки; «Стандартний» додає годинник та ідею для відпочинку.</translation>
    </message>
    <message>
        <source>Look away from the screen and let your eyes relax.</source>
        <translation>Відведіть погляд від екрана й дайте очам розслабитися.</translation>
    </message>
    <message>
        <source>Look far, roll and blink: eyes that focus on a screen all day need it most.</source>
        <translation>Дивіться вдалину, обертайте очима й кліпайте: найбільше це потрібно очам, які цілий день дивляться в екран.</translation>
    </message>
    <message>
        <source>Manual or automatic</source>
        <translation>Ручний або автоматичний режим</translation>
    </message>
    <message>
        <source>Match brightness to lighting</source>
        <translation>Яскравість за освітленням</translation>
    </message>
    <message>
        <source>Milliseconds between two clicks, at least 10.</source>
        <translation>Мілісекунди між двома клацаннями, не менше 10.</translation>
    </message>
    <message>
        <source>Minutes of work, then seconds of rest.</source>
        <translation>Хвилини роботи, потім секунди відпочинку.</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Пауза курсора</translation>
    </message>
    <message>
        <source>Neck exercises</source>
        <translation>Вправи для шиї</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далі</translation>
    </message>
    <message>
        <source>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</source>
        <translation>Звичайні перерви можна пропустити, суворі — ні. «Продуктивний» не закриває екран, а показує невеликий зворотний відлік.</translation>
    </message>
    <message>
        <source>One program per line, named as it runs (vlc, kmplayer). Add fullscreen after a name to pause only while it fills the screen.</source>
        <translation>По одній програмі в рядку, під назвою її процесу (vlc, kmplayer). Додайте fullscreen після назви, щоб пауза вмикалася, лише коли програма займає весь екран.</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, bsplayer).</source>
        <translation>По одній програмі в рядку, точно під назвою її процесу (vlc, bsplayer).</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, kmplayer).</source>
        <translation>По одній програмі в рядку, точно під назвою її процесу (vlc, kmplayer).</translation>
    </message>
    <message>
        <source>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</source>
        <translation>По одній програмі в рядку: назва = температура яскравість, наприклад vlc = 6500 120. Температура від 0 до 10000 K, яскравість від 10 до 150 %.</translation>
    </message>
    <message>
        <source>Pause colour changes while a listed program shows.</source>
        <translation>Призупиняти зміну кольорів, поки на екрані програма зі списку.</translation>
    </message>
    <message>
        <source>Pause colour changes while any program fills the screen.</source>
        <translation>Призупиняти зміну кольорів, поки будь-яка програма займає весь екран.</translation>
    </message>
    <message>
        <source>Pause or resume Kavo</source>
        <translation>Призупинити або відновити Kavo</translation>
    </message>
    <message>
        <source>Pause or resume the timer</source>
        <translation>Призупинити або відновити таймер</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>Відкласти</translation>
    </message>
    <message>
        <source>Postpone duration</source>
        <translation>Відкласти на</translation>
    </message>
    <message>
        <source>Press the new combination</source>
        <translation>Натисніть нове сполучення</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Програми</translation>
    </message>
    <message>
        <source>Programs and colours</source>
        <translation>Програми й кольори</translation>
    </message>
    <message>
        <source>Quit Kavo</source>
        <translation>Вийти з Kavo</translation>
    </message>
    <message>
        <source>Rest screen</source>
        <translation>Екран перерви</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Screen effects on or off</source>
        <translation>Увімк./вимк. ефекти екрана</translation>
    </message>
    <message>
        <source>Overlays</source>
        <translation>Накладання</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Датчики</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Сполучення клавіш</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Сполучення клавіш</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустити</translation>
    </message>
    <message>
        <source>Slow turns and tilts for a neck that held one position too long.</source>
        <translation>Повільні повороти й нахили для шиї, яка надто довго була в одному положенні.</translation>
    </message>
    <message>
        <source>Smart brightness</source>
        <translation>Розумна яскравість</translation>
    </message>
    <message>
        <source>Smart inversion</source>
        <translation>Розумна інверсія</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Запустити</translation>
    </message>
    <message>
        <source>Start a break</source>
        <translation>Почати перерву</translation>
    </message>
    <message>
        <source>Start screen overlay</source>
        <translation>Увімкнути накладання</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Зупинити</translation>
    </message>
    <message>
        <source>Stop it here, from the tray menu or by quitting Kavo.</source>
        <translation>Зупинити його можна тут, у меню в треї або закривши Kavo.</translation>
    </message>
    <message>
        <source>Stop the break timer while a listed program shows.</source>
        <translation>Зупиняти таймер перерв, поки на екрані програма зі списку.</translation>
    </message>
    <message>
        <source>Stop the break timer while any program fills the screen.</source>
        <translation>Зупиняти таймер перерв, поки будь-яка програма займає весь екран.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Зупинено</translation>
    </message>
    <message>
        <source>Stretches you can do standing beside your desk.</source>
        <translation>Розтяжка, яку можна зробити стоячи біля столу.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while a listed program shows.</source>
        <translation>Вимикати програмний курсор, поки на екрані програма зі списку.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while any program fills the screen.</source>
        <translation>Вимикати програмний курсор, поки будь-яка програма займає весь екран.</translation>
    </message>
    <message>
        <source>Ten seconds before a rest Kavo offers to move it by this many minutes.</source>
        <translation>За десять секунд до перерви Kavo пропонує відкласти її на стільки хвилин.</translation>
    </message>
    <message>
        <source>The break timer stops while one of these programs shows: films, presentations, calls.</source>
        <translation>Таймер перерв зупиняється, поки на екрані одна з цих програм: фільми, презентації, дзвінки.</translation>
    </message>
    <message>
        <source>The camera measures the room light and the brightness follows it, a little every second.</source>
        <translation>Камера вимірює освітлення в кімнаті, і яскравість щосекунди потроху підлаштовується під нього.</translation>
    </message>
    <message>
        <source>The program you are using, as the lists name it.</source>
        <translation>Програма, з якою ви працюєте, під назвою для списків.</translation>
    </message>
    <message>
        <source>The rest is over</source>
        <translation>Перерву закінчено</translation>
    </message>
    <message>
        <source>The software cursor goes while one of these programs shows: games draw their own.</source>
        <translation>Програмний курсор зникає, поки на екрані одна з цих програм: ігри малюють свій.</translation>
    </message>
    <message>
        <source>This is a strict rest: it ends by itself.</source>
        <translation>Це сувора перерва: вона закінчиться сама.</translation>
    </message>
    <message>
        <source>Time for a rest</source>
        <translation>Час відпочити</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Пауза таймера</translation>
    </message>
    <message>
        <source>Timer type</source>
        <translation>Тип таймера</translation>
    </message>
    <message>
        <source>Use sounds</source>
        <translation>Звукові сигнали</translation>
    </message>
    <message>
        <source>Use the colours of the list while a listed program is in front.</source>
        <translation>Використовувати кольори зі списку, поки програма зі списку на передньому плані.</translation>
    </message>
    <message>
        <source>Use the first camera for the room light and the blink count.</source>
        <translation>Використовувати першу камеру для вимірювання освітлення й лічби кліпань.</translation>
    </message>
    <message>
        <source>What covers your monitors during a rest.</source>
        <translation>Чим закриваються монітори під час перерви.</translation>
    </message>
    <message>
        <source>What the shortcut does.</source>
        <translation>Що робить сполучення клавіш.</translation>
    </message>
    <message>
        <source>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</source>
        <translation>Коли перерва закінчиться, робота одразу продовжиться. Інакше екран перерви чекає, доки ви продовжите.</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Робота</translation>
    </message>
    <message>
        <source>min</source>
        <translation>хв</translation>
    </message>
    <message>
        <source>none</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>с</translation>
    </message>
    <message>
        <source>until rest</source>
        <translation>до перерви</translation>
    </message>
    <message>
        <source>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</source>
        <translation>%b — enable або disable, %d — ціле число, %f — число, %s — слово. Натисніть на заклинання, щоб скопіювати його в поле введення.</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Click again to reset every setting</source>
        <translation>Натисніть ще раз, щоб скинути всі налаштування</translation>
    </message>
    <message>
        <source>Enter your spell:</source>
        <translation>Введіть заклинання:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Hidden features</source>
        <translation>Приховані функції</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Імпорт</translation>
    </message>
    <message>
        <source>Move your settings to another computer, or keep a copy.</source>
        <translation>Перенесіть налаштування на інший комп’ютер або збережіть їхню копію.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Скинути налаштування</translation>
    </message>
    <message>
        <source>Settings exported</source>
        <translation>Налаштування експортовано</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Файл налаштувань</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>Заклинання</translation>
    </message>
    <message>
        <source>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</source>
        <translation>Заклинання змінюють налаштування, для яких на сторінках немає елементів керування. Ті самі заклинання працюють з командного рядка: kavo &quot;type dark&quot;.</translation>
    </message>
    <message>
        <source>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</source>
        <translation>Напівпрозорий кольоровий шар поверх екрана затемнює і підфарбовує його сильніше, ніж самі кольори; клацання проходять крізь нього.</translation>
    </message>
    <message>
        <source>Day Dim</source>
        <translation>Денне затемнення</translation>
    </message>
    <message>
        <source>Day Opacity</source>
        <translation>Денна непрозорість</translation>
    </message>
    <message>
        <source>How dark the surroundings are.</source>
        <translation>Наскільки темно довкола плями.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is at night.</source>
        <translation>Наскільки темніший колір шару вночі.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is by day.</source>
        <translation>Наскільки темніший колір шару вдень.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen at night.</source>
        <translation>Наскільки щільно шар закриває екран уночі.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen by day.</source>
        <translation>Наскільки щільно шар закриває екран удень.</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Індиго</translation>
    </message>
    <message>
        <source>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</source>
        <translation>Залишає на екрані світлу пляму й затемнює все довкола неї; клацання проходять крізь затемнення.</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Лимонний</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Світла пляма</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Пурпуровий</translation>
    </message>
    <message>
        <source>Night Dim</source>
        <translation>Нічне затемнення</translation>
    </message>
    <message>
        <source>Night Opacity</source>
        <translation>Нічна непрозорість</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозорість</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Помаранчевий</translation>
    </message>
    <message>
        <source>Overlay color</source>
        <translation>Колір накладання</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Бузковий</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Радіус</translation>
    </message>
    <message>
        <source>Reset area</source>
        <translation>Скинути область</translation>
    </message>
    <message>
        <source>Scarlet</source>
        <translation>Яскраво-червоний</translation>
    </message>
    <message>
        <source>Screen overlay</source>
        <translation>Накладання на екран</translation>
    </message>
    <message>
        <source>Select an area, then drag over the screen: the area stays clear. Escape cancels.</source>
        <translation>Натисніть «Вибрати область» і проведіть мишею по екрану: ця область залишиться відкритою. Escape скасовує вибір.</translation>
    </message>
    <message>
        <source>Select area</source>
        <translation>Вибрати область</translation>
    </message>
    <message>
        <source>Show the layer.</source>
        <translation>Показувати шар.</translation>
    </message>
    <message>
        <source>Show the spot.</source>
        <translation>Показувати пляму.</translation>
    </message>
    <message>
        <source>The colour of the layer.</source>
        <translation>Колір шару.</translation>
    </message>
    <message>
        <source>The size of the bright spot.</source>
        <translation>Розмір світлої плями.</translation>
    </message>
    <message>
        <source>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</source>
        <translation>На цьому робочому столі ефект видно, поки ви бездієте: після двох секунд спокою екран закриває його знімок з ефектом — доки ви не натиснете клавішу або не порухаєте мишею.</translation>
    </message>
    <message>
        <source>This effect shows at once.</source>
        <translation>Цей ефект застосовується одразу.</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Бірюзовий</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Фіолетовий</translation>
    </message>
    <message>
        <source>Where the spot sits across the screen.</source>
        <translation>Положення плями по горизонталі.</translation>
    </message>
    <message>
        <source>Where the spot sits down the screen.</source>
        <translation>Положення плями по вертикалі.</translation>
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
        <translation>Жовтий</translation>
    </message>
    <message>
        <source>Settings imported</source>
        <translation>Налаштування імпортовано</translation>
    </message>
    <message>
        <source>Settings not imported</source>
        <translation>Налаштування не імпортовано</translation>
    </message>
    <message>
        <source>%1 conflicts with %2</source>
        <translation>%1 конфліктує з %2</translation>
    </message>
    <message>
        <source>%1 conflicts with %2 color changes and you may see some ON/OFF flicker of the colors.
%2 automatically closes such apps, but please uninstall one of the apps if you still have problems.</source>
        <translation>%1 конфліктує зі зміною кольорів %2, і кольори можуть блимати.
%2 автоматично закриває такі програми, але якщо проблеми залишаться, видаліть одну з них.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Remaining %1</source>
        <translation>Залишилося %1</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>Камеру не знайдено</translation>
    </message>
    <message>
        <source>Object detectors not found</source>
        <translation>Детектори об’єктів не знайдено</translation>
    </message>
    <message>
        <source>Invalid spell</source>
        <translation>Неправильне заклинання</translation>
    </message>
    <message>
        <source>The spell &quot;%1&quot; seems wrong. Check the syntax or try with some other hidden feature.
Use &quot;help&quot; to see the list of all hidden features :)</source>
        <translation>Схоже, заклинання &quot;%1&quot; неправильне. Перевірте синтаксис або спробуйте іншу приховану функцію.
Введіть &quot;help&quot;, щоб побачити список усіх прихованих функцій :)</translation>
    </message>
    <message>
        <source>Hidden feature succeeded</source>
        <translation>Приховану функцію виконано</translation>
    </message>
    <message>
        <source>%1 succeeded</source>
        <translation>%1: виконано</translation>
    </message>
    <message>
        <source>Invalid temperature</source>
        <translation>Неправильна температура</translation>
    </message>
    <message>
        <source>%1 is invalid value for Color temperature. Use number between 0 and 10000.</source>
        <translation>%1 — неприпустиме значення колірної температури. Вкажіть число від 0 до 10000.</translation>
    </message>
    <message>
        <source>Temperature changed</source>
        <translation>Температуру змінено</translation>
    </message>
    <message>
        <source>Color temperature changed to %1K</source>
        <translation>Колірну температуру змінено на %1K</translation>
    </message>
    <message>
        <source>Invalid brightness</source>
        <translation>Неправильна яскравість</translation>
    </message>
    <message>
        <source>%1 is invalid value for Brightness. Use number between 10 and 100.</source>
        <translation>%1 — неприпустиме значення яскравості. Вкажіть число від 10 до 100.</translation>
    </message>
    <message>
        <source>Brightness changed</source>
        <translation>Яскравість змінено</translation>
    </message>
    <message>
        <source>Brightness changed to %1%</source>
        <translation>Яскравість змінено на %1%</translation>
    </message>
    <message>
        <source>Invalid Night start time</source>
        <translation>Неправильний час початку ночі</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night start time. Use number between 0 and 24.</source>
        <translation>%1 — неприпустиме значення часу початку ночі. Вкажіть число від 0 до 24.</translation>
    </message>
    <message>
        <source>Night start time changed</source>
        <translation>Час початку ночі змінено</translation>
    </message>
    <message>
        <source>Manual night start time changed to %1h</source>
        <translation>Час початку ночі (вручну) змінено на %1h</translation>
    </message>
    <message>
        <source>Invalid Night end time</source>
        <translation>Неправильний час кінця ночі</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night end time. Use number between 0 and 24.</source>
        <translation>%1 — неприпустиме значення часу кінця ночі. Вкажіть число від 0 до 24.</translation>
    </message>
    <message>
        <source>Night end time changed</source>
        <translation>Час кінця ночі змінено</translation>
    </message>
    <message>
        <source>Manual night end time changed to %1h</source>
        <translation>Час кінця ночі (вручну) змінено на %1h</translation>
    </message>
    <message>
        <source>Kavo is switching to %1 type</source>
        <translation>Kavo перемикається на тип %1</translation>
    </message>
    <message>
        <source>You will see the difference in your screen after a moment :)</source>
        <translation>За мить ви побачите різницю на екрані :)</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>Сповіщення увімкнено</translation>
    </message>
    <message>
        <source>Hidden features notifications are enabled. They are show so you will know when your spell is successful</source>
        <translation>Сповіщення прихованих функцій увімкнено. Вони повідомлять вам, коли заклинання спрацювало</translation>
    </message>
    <message>
        <source>Notifications disabled</source>
        <translation>Сповіщення вимкнено</translation>
    </message>
    <message>
        <source>Hidden features notifications are disabled. This is the last notification that you will see</source>
        <translation>Сповіщення прихованих функцій вимкнено. Це останнє сповіщення, яке ви побачите</translation>
    </message>
    <message>
        <source>Gamma fixer enabled</source>
        <translation>Виправлення гами увімкнено</translation>
    </message>
    <message>
        <source>Gamma fixer is enabled. If notice slight color changing every second disable the Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini changes from time to time.</source>
        <translation>Виправлення гами увімкнено. Якщо кольори злегка змінюються щосекунди, знову вимкніть його. Виправлення гами потрібне, бо Windows час від часу ігнорує зміни Kavo mini.</translation>
    </message>
    <message>
        <source>Gamma fixer disabled</source>
        <translation>Виправлення гами вимкнено</translation>
    </message>
    <message>
        <source>Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or click the Kavo mini icon several times. Both should force Kavo to change the screen colors.</source>
        <translation>Виправлення гами вимкнено. Якщо екран раптом стане яскравим, знову увімкніть його або кілька разів натисніть на значок Kavo mini. І те, і те змусить Kavo знову змінити кольори екрана.</translation>
    </message>
    <message>
        <source>Software cursor enabled</source>
        <translation>Програмний курсор увімкнено</translation>
    </message>
    <message>
        <source>Color changes will apply also on the cursor. If it starts to dissappear use disable software cursor to make it bright again.</source>
        <translation>Зміна кольорів застосовуватиметься й до курсора. Якщо він почне зникати, введіть &quot;disable software cursor&quot;, щоб він знову став яскравим.</translation>
    </message>
    <message>
        <source>Hardware cursor enabled</source>
        <translation>Апаратний курсор увімкнено</translation>
    </message>
    <message>
        <source>Color changes will not apply on the cursor. If you don&apos;t like the bright blue cursor at night use enable software cursor to make apply color changes on the cursor.</source>
        <translation>Зміна кольорів не застосовуватиметься до курсора. Якщо вам не подобається яскравий синій курсор уночі, введіть &quot;enable software cursor&quot;, щоб зміна кольорів застосовувалася й до нього.</translation>
    </message>
    <message>
        <source>Conflicting applications enabled</source>
        <translation>Конфліктні програми дозволено</translation>
    </message>
    <message>
        <source>Conflicting applications are enabled. You can now use other softwares which change the screen colors.</source>
        <translation>Конфліктні програми дозволено. Тепер можна користуватися іншими програмами, які змінюють кольори екрана.</translation>
    </message>
    <message>
        <source>Conflicting applications disabled</source>
        <translation>Конфліктні програми заборонено</translation>
    </message>
    <message>
        <source>Conflicting applications are disabled. In order to not cause flicker conflicting applications are disabled.</source>
        <translation>Конфліктні програми заборонено. Їх вимкнено, щоб кольори не блимали.</translation>
    </message>
    <message>
        <source>Monitor %1 disabled</source>
        <translation>Монітор %1 вимкнено</translation>
    </message>
    <message>
        <source>Kavo will not apply color changes to Monitor %1</source>
        <translation>Kavo не змінюватиме кольори на моніторі %1</translation>
    </message>
    <message>
        <source>Monitor %1 enabled</source>
        <translation>Монітор %1 увімкнено</translation>
    </message>
    <message>
        <source>Kavo will apply color changes to Monitor %1</source>
        <translation>Kavo змінюватиме кольори на моніторі %1</translation>
    </message>
    <message>
        <source>Color range is already expanded</source>
        <translation>Колірний діапазон уже розширено</translation>
    </message>
    <message>
        <source>Color range is already expanded. If you have problems with lower values try to Restart your PC. If the problem persist write to us with info about your PC to test and fix this.</source>
        <translation>Колірний діапазон уже розширено. Якщо з нижчими значеннями є проблеми, перезавантажте комп’ютер. Якщо проблема не зникне, напишіть нам і додайте відомості про комп’ютер, щоб ми могли перевірити й виправити це.</translation>
    </message>
    <message>
        <source>Expand color range Failed</source>
        <translation>Не вдалося розширити колірний діапазон</translation>
    </message>
    <message>
        <source>Expand color range Failed you need Admin permission to execute this</source>
        <translation>Не вдалося розширити колірний діапазон: для цього потрібні права адміністратора</translation>
    </message>
    <message>
        <source>No uninstaller in the App folder</source>
        <translation>У теці програми немає засобу видалення</translation>
    </message>
    <message>
        <source>There is not uninstaller in &quot;%1&quot;
 You can quit %2 and delete the folder by hand</source>
        <translation>У &quot;%1&quot; немає засобу видалення.
 Можна закрити %2 і видалити теку вручну</translation>
    </message>
    <message>
        <source>Gamma preservation enabled</source>
        <translation>Збереження гами увімкнено</translation>
    </message>
    <message>
        <source>Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day</source>
        <translation>Відтепер Kavo враховуватиме калібрування кольору. Закрийте й знову запустіть Kavo mini, і вдень він збереже ваші кольори</translation>
    </message>
    <message>
        <source>Gamma preservation disabled</source>
        <translation>Збереження гами вимкнено</translation>
    </message>
    <message>
        <source>Kavo will not respect your color calibration from now on. It will use the default monitor settings instead</source>
        <translation>Відтепер Kavo не враховуватиме калібрування кольору й використовуватиме стандартні налаштування монітора</translation>
    </message>
    <message>
        <source>Start at startup enabled</source>
        <translation>Автозапуск увімкнено</translation>
    </message>
    <message>
        <source>Kavo mini will start when you turn ON your computer</source>
        <translation>Kavo mini запускатиметься під час увімкнення комп’ютера</translation>
    </message>
    <message>
        <source>Start at startup disabled</source>
        <translation>Автозапуск вимкнено</translation>
    </message>
    <message>
        <source>Kavo mini will not start when you turn ON your computer</source>
        <translation>Kavo mini не запускатиметься під час увімкнення комп’ютера</translation>
    </message>
    <message>
        <source>Tray icon rotation is enabled</source>
        <translation>Обертання значка в треї увімкнено</translation>
    </message>
    <message>
        <source>The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Значок у треї обертатиметься, поки Kavo змінює кольори екрана. Так видно, коли Kavo mini змінює кольори й екран не відкалібровано</translation>
    </message>
    <message>
        <source>Tray icon rotation is disabled</source>
        <translation>Обертання значка в треї вимкнено</translation>
    </message>
    <message>
        <source>The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Значок у треї не обертатиметься, поки Kavo змінює кольори екрана. Ця функція показує, коли Kavo mini змінює кольори й екран не відкалібровано</translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation>Скидання кольорів</translation>
    </message>
    <message>
        <source>Screen colors are reset to default values</source>
        <translation>Кольори екрана скинуто до типових значень</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Скидання налаштувань</translation>
    </message>
    <message>
        <source>Kavo settings are reset to default values</source>
        <translation>Налаштування Kavo скинуто до типових значень</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled</source>
        <translation>Перехоплення клавіатури увімкнено</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled. You can now use system-wide shortcuts.</source>
        <translation>Перехоплення клавіатури увімкнено. Тепер працюють загальносистемні сполучення клавіш.</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled</source>
        <translation>Перехоплення клавіатури вимкнено</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled. Some shortcuts and features may not work as intended</source>
        <translation>Перехоплення клавіатури вимкнено. Деякі сполучення клавіш і функції можуть працювати неправильно</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled</source>
        <translation>Сполучення клавіш увімкнено</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled. You can now use Kavo shortcuts.</source>
        <translation>Сполучення клавіш увімкнено. Тепер працюють сполучення клавіш Kavo.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled</source>
        <translation>Сполучення клавіш вимкнено</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled. Kavo shortcuts will not work</source>
        <translation>Сполучення клавіш вимкнено. Сполучення клавіш Kavo не працюватимуть</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled</source>
        <translation>Аварійні сполучення клавіш увімкнено</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.</source>
        <translation>Аварійні сполучення клавіш увімкнено. Тепер працюють аварійні сполучення клавіш Kavo.</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled</source>
        <translation>Аварійні сполучення клавіш вимкнено</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work</source>
        <translation>Аварійні сполучення клавіш вимкнено. Аварійні сполучення клавіш Kavo не працюватимуть</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled</source>
        <translation>Усі сполучення клавіш і перехоплення увімкнено</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.</source>
        <translation>Усі сполучення клавіш і перехоплення увімкнено. Тепер працюють загальносистемні й аварійні сполучення клавіш, а також сполучення Kavo.</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled</source>
        <translation>Усі сполучення клавіш і перехоплення вимкнено</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work</source>
        <translation>Усі сполучення клавіш і перехоплення вимкнено. Загальносистемні й аварійні сполучення клавіш, а також сполучення Kavo не працюватимуть</translation>
    </message>
    <message>
        <source>Manual temperature enabled</source>
        <translation>Температуру вручну увімкнено</translation>
    </message>
    <message>
        <source>You are now using Kavo Mixed mode</source>
        <translation>Тепер Kavo працює в змішаному режимі</translation>
    </message>
    <message>
        <source>Manual temperature disabled</source>
        <translation>Температуру вручну вимкнено</translation>
    </message>
    <message>
        <source>Kavo will use your selected mode for temperature again</source>
        <translation>Kavo знову задаватиме температуру за вибраним режимом</translation>
    </message>
    <message>
        <source>Manual brightness enabled</source>
        <translation>Яскравість вручну увімкнено</translation>
    </message>
    <message>
        <source>You are now using Kavo mini Mixed mode</source>
        <translation>Тепер Kavo mini працює в змішаному режимі</translation>
    </message>
    <message>
        <source>Manual brightness disabled</source>
        <translation>Яскравість вручну вимкнено</translation>
    </message>
    <message>
        <source>Kavo mini will use your selected mode for brightness again</source>
        <translation>Kavo mini знову задаватиме яскравість за вибраним режимом</translation>
    </message>
    <message>
        <source>Zero blue light</source>
        <translation>Без синього світла</translation>
    </message>
    <message>
        <source>All blue light is removed from the screen</source>
        <translation>Усе синє світло прибрано з екрана</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Інверсія</translation>
    </message>
    <message>
        <source>Colors are inverted</source>
        <translation>Кольори інвертовано</translation>
    </message>
    <message>
        <source>Manual location enabled</source>
        <translation>Розташування вручну увімкнено</translation>
    </message>
    <message>
        <source>Kavo mini will use your manual location. Set latitude and longitude with the hidden features</source>
        <translation>Kavo mini використовуватиме розташування, вказане вручну. Задайте широту й довготу через приховані функції</translation>
    </message>
    <message>
        <source>Manual location disabled</source>
        <translation>Розташування вручну вимкнено</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini визначатиме розташування автоматично. За ним обчислюються положення сонця й тривалість дня і ночі</translation>
    </message>
    <message>
        <source>Latitude changed</source>
        <translation>Широту змінено</translation>
    </message>
    <message>
        <source>Latitude changed to %1°</source>
        <translation>Широту змінено на %1°</translation>
    </message>
    <message>
        <source>Longitude changed</source>
        <translation>Довготу змінено</translation>
    </message>
    <message>
        <source>Longitude changed to %1°</source>
        <translation>Довготу змінено на %1°</translation>
    </message>
    <message>
        <source>Manual night duration enabled</source>
        <translation>Тривалість ночі вручну увімкнено</translation>
    </message>
    <message>
        <source>Kavo mini will use manual night duration. Set start and end time with the hidden features</source>
        <translation>Kavo mini використовуватиме тривалість ночі, задану вручну. Задайте час початку й кінця ночі через приховані функції</translation>
    </message>
    <message>
        <source>Manual night duration disabled</source>
        <translation>Тривалість ночі вручну вимкнено</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini обчислюватиме тривалість ночі автоматично за розташуванням. За ним обчислюються положення сонця й тривалість дня і ночі</translation>
    </message>
    <message>
        <source>No File selected for Export</source>
        <translation>Не вибрано файл для експорту</translation>
    </message>
    <message>
        <source>Failed to write file for Export: %1</source>
        <translation>Не вдалося записати файл для експорту: %1</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>Налаштування експортовано в %1</translation>
    </message>
    <message>
        <source>No File selected for Import</source>
        <translation>Не вибрано файл для імпорту</translation>
    </message>
    <message>
        <source>Failed to open file for Import</source>
        <translation>Не вдалося відкрити файл для імпорту</translation>
    </message>
    <message>
        <source>File too large for Import (over 1 MiB): %1</source>
        <translation>Файл завеликий для імпорту (понад 1 MiB): %1</translation>
    </message>
    <message>
        <source>Settings too large for Import (over 1 MiB)</source>
        <translation>Налаштування завеликі для імпорту (понад 1 MiB)</translation>
    </message>
    <message>
        <source>Not a Kavo settings file: it does not start with the &quot;#Created by&quot; header</source>
        <translation>Це не файл налаштувань Kavo: він не починається із заголовка &quot;#Created by&quot;</translation>
    </message>
    <message>
        <source>No settings to import: the file holds no setting Kavo knows</source>
        <translation>Нічого імпортувати: у файлі немає налаштувань, відомих Kavo</translation>
    </message>
    <message>
        <source>Settings not writable: the import was not saved</source>
        <translation>Не вдалося записати налаштування: імпорт не збережено</translation>
    </message>
    <message>
        <source>%1 settings imported</source>
        <translation>Імпортовано налаштувань: %1</translation>
    </message>
    <message>
        <source>, %1 unknown keys ignored</source>
        <translation>, пропущено невідомих ключів: %1</translation>
    </message>
    <message>
        <source>, %1 invalid lines skipped</source>
        <translation>, пропущено неправильних рядків: %1</translation>
    </message>
    <message>
        <source>%1 until work</source>
        <translation>%1 до роботи</translation>
    </message>
    <message>
        <source>%1 until rest</source>
        <translation>%1 до перерви</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in %2 minutes.</source>
        <translation>%1 нагадує: велика перерва через %2 хв.</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in 30 seconds.</source>
        <translation>%1 нагадує: велика перерва через 30 секунд.</translation>
    </message>
    <message>
        <source>Big rest incoming</source>
        <translation>Незабаром велика перерва</translation>
    </message>
    <message>
        <source>work</source>
        <translation>роботи</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>год</translation>
    </message>
    <message>
        <source>Back to work</source>
        <translation>Повернутися до роботи</translation>
    </message>
    <message>
        <source>Bend forward and let your arms hang loose.</source>
        <translation>Нахиліться вперед і вільно опустіть руки.</translation>
    </message>
    <message>
        <source>Blink often: screens make us forget to.</source>
        <translation>Кліпайте частіше: біля екрана ми про це забуваємо.</translation>
    </message>
    <message>
        <source>Blink quickly for a few seconds, then close your eyes.</source>
        <translation>Кілька секунд швидко покліпайте, потім заплющте очі.</translation>
    </message>
    <message>
        <source>Break is coming in %1</source>
        <translation>Перерва через %1</translation>
    </message>
    <message>
        <source>Bring your chin to your chest and lift it back slowly.</source>
        <translation>Опустіть підборіддя до грудей і повільно підніміть голову.</translation>
    </message>
    <message>
        <source>Close your eyes and breathe slowly.</source>
        <translation>Заплющте очі й дихайте повільно.</translation>
    </message>
    <message>
        <source>Drink a glass of water.</source>
        <translation>Випийте склянку води.</translation>
    </message>
    <message>
        <source>Esc keeps the shortcut, Backspace removes it.</source>
        <translation>Esc залишає сполучення, Backspace видаляє його.</translation>
    </message>
    <message>
        <source>Hide the camera picture</source>
        <translation>Сховати зображення з камери</translation>
    </message>
    <message>
        <source>Hold Ctrl, Alt or Meta with this key.</source>
        <translation>Утримуйте з цією клавішею Ctrl, Alt або Meta.</translation>
    </message>
    <message>
        <source>Kavo cannot use this key in a shortcut.</source>
        <translation>Kavo не може використати цю клавішу в сполученні.</translation>
    </message>
    <message>
        <source>Look at something at least six metres away.</source>
        <translation>Подивіться на предмет щонайменше за шість метрів від вас.</translation>
    </message>
    <message>
        <source>Look at something far away, out of a window if you can.</source>
        <translation>Подивіться на щось удалині, краще у вікно.</translation>
    </message>
    <message>
        <source>Look up, down, left and right, holding each for a breath.</source>
        <translation>Подивіться вгору, вниз, ліворуч і праворуч, затримуючи погляд на один вдих.</translation>
    </message>
    <message>
        <source>Monitor %1</source>
        <translation>Монітор %1</translation>
    </message>
    <message>
        <source>Put your hands on your hips and lean back gently.</source>
        <translation>Покладіть руки на пояс і м’яко прогніться назад.</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>Відпочинок</translation>
    </message>
    <message>
        <source>Roll your shoulders back a few times.</source>
        <translation>Кілька разів покрутіть плечима назад.</translation>
    </message>
    <message>
        <source>Roll your shoulders back five times.</source>
        <translation>П’ять разів покрутіть плечима назад.</translation>
    </message>
    <message>
        <source>Show the camera picture</source>
        <translation>Показати зображення з камери</translation>
    </message>
    <message>
        <source>Slowly roll your eyes in a circle, then the other way.</source>
        <translation>Повільно поведіть очима по колу, потім у зворотний бік.</translation>
    </message>
    <message>
        <source>Stand up and reach both arms above your head.</source>
        <translation>Встаньте й підніміть обидві руки над головою.</translation>
    </message>
    <message>
        <source>Stand up and stretch your arms above your head.</source>
        <translation>Встаньте й потягніться руками вгору.</translation>
    </message>
    <message>
        <source>Step %1 / %2</source>
        <translation>Крок %1 / %2</translation>
    </message>
    <message>
        <source>The camera is off</source>
        <translation>Камеру вимкнено</translation>
    </message>
    <message>
        <source>Tilt your ear toward your shoulder on each side.</source>
        <translation>Нахиліть голову вухом до плеча, спершу в один бік, потім в інший.</translation>
    </message>
    <message>
        <source>Turn your head slowly to the left and hold, then to the right.</source>
        <translation>Повільно поверніть голову ліворуч і затримайтеся, потім праворуч.</translation>
    </message>
    <message>
        <source>Twist your upper body slowly to each side.</source>
        <translation>Повільно поверніть корпус в один і в інший бік.</translation>
    </message>
    <message>
        <source>blink detection is off</source>
        <translation>лічбу кліпань вимкнено</translation>
    </message>
    <message>
        <source>until work</source>
        <translation>до роботи</translation>
    </message>
    <message>
        <source>Kavo Settings File (*.kavo_settings *.kavo)</source>
        <translation>Файл налаштувань Kavo (*.kavo_settings *.kavo)</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>Зберегти файл...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Відкрити файл...</translation>
    </message>
    <message>
        <source>This window cannot be shown: Kavo&apos;s web part is missing.</source>
        <translation>Це вікно неможливо показати: відсутній веб-модуль Kavo.</translation>
    </message>
    <message>
        <source>Camera features are missing</source>
        <translation>Функції камери відсутні</translation>
    </message>
    <message>
        <source>Settings cannot be saved</source>
        <translation>Не вдається зберегти налаштування</translation>
    </message>
    <message>
        <source>Wayland lets no program click for the user: the auto clicker is not available.</source>
        <translation>Wayland не дозволяє програмам клацати замість користувача: автоклікер недоступний.</translation>
    </message>
    <message>
        <source>Wayland lets no program draw the mouse cursor: the software cursor is not available.</source>
        <translation>Wayland не дозволяє програмам малювати курсор миші: програмний курсор недоступний.</translation>
    </message>
    <message>
        <source>Wayland gives ordinary programs no picture of the screen: effects that work on a picture while you are idle are not available.</source>
        <translation>Wayland не дає звичайним програмам зображення екрана: ефекти, що працюють із зображенням, поки ви неактивні, недоступні.</translation>
    </message>
    <message>
        <source>GNOME tells no program which window is in front (that needs a Shell extension): pausers and triggers cannot see programs.</source>
        <translation>GNOME не повідомляє програмам, яке вікно на передньому плані (для цього потрібне розширення Shell): паузи та тригери не бачать програм.</translation>
    </message>
    <message>
        <source>This compositor tells no program which window is in front: pausers and triggers cannot see programs.</source>
        <translation>Цей композитор не повідомляє програмам, яке вікно на передньому плані: паузи та тригери не бачать програм.</translation>
    </message>
    <message>
        <source>This desktop does not say when you are idle: inactivity does not stop the timer.</source>
        <translation>Цей робочий стіл не повідомляє, коли ви неактивні: неактивність не зупиняє таймер.</translation>
    </message>
    <message>
        <source>This desktop keeps keys to itself: bind each shortcut in the compositor&apos;s configuration, for example in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; or in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lists the actions).</source>
        <translation>Цей робочий стіл залишає клавіші собі: призначте кожне сполучення в налаштуваннях композитора, наприклад у sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; або в Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help перелічує дії).</translation>
    </message>
    <message>
        <source>This desktop lets no window lie over everything: the overlay&apos;s colour goes through the screen&apos;s colours, and the lightness spot is not shown.</source>
        <translation>Цей робочий стіл не дозволяє вікну лежати поверх усього: колір накладання передається через кольори екрана, а світлова пляма не показується.</translation>
    </message>
    <message>
        <source>This desktop lets no program take the keyboard: strict breaks cannot keep other programs from keys.</source>
        <translation>Цей робочий стіл не дозволяє програмі захопити клавіатуру: суворі перерви не можуть відібрати клавіші в інших програм.</translation>
    </message>
    <message>
        <source>This desktop has no tray (no StatusNotifierWatcher): start Kavo again to open its window.</source>
        <translation>Цей робочий стіл не має області сповіщень (немає StatusNotifierWatcher): запустіть Kavo ще раз, щоб відкрити його вікно.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Власний</translation>
    </message>
    <message>
        <source>&amp;Health</source>
        <translation>&amp;Здоров’я</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>&amp;Сон</translation>
    </message>
    <message>
        <source>&amp;Gaming</source>
        <translation>&amp;Ігри</translation>
    </message>
    <message>
        <source>&amp;Reading</source>
        <translation>&amp;Читання</translation>
    </message>
    <message>
        <source>&amp;Programming</source>
        <translation>&amp;Програмування</translation>
    </message>
    <message>
        <source>&amp;Biohacker</source>
        <translation>&amp;Біохакер</translation>
    </message>
    <message>
        <source>&amp;Sunglasses</source>
        <translation>Со&amp;нцезахисні окуляри</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Темний</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>&amp;Кіно</translation>
    </message>
    <message>
        <source>&amp;Overlay</source>
        <translation>Н&amp;акладання</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Пауза кольору</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Пауза таймера</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Пауза курсора</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>&amp;Change mode</source>
        <translation>З&amp;мінити режим</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Автоматичний</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Ручний</translation>
    </message>
    <message>
        <source>&amp;Paused</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>Stop auto clicker</source>
        <translation>Зупинити автоклікер</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
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
