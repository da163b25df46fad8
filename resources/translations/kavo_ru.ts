<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Что нового</translation>
    </message>
    <message>
        <source>This build of Kavo names no page with its changes.</source>
        <translation>В этой сборке Kavo не указана страница с изменениями.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>This build of Kavo names no website.</source>
        <translation>В этой сборке Kavo не указан сайт.</translation>
    </message>
    <message>
        <source>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</source>
        <translation>Этот рабочий стол не умеет рисовать программный курсор мыши: курсор останется прежним.</translation>
    </message>
</context>
<context>
    <name>ColorTriggers</name>
    <message>
        <source>Line %1 is not &quot;program = temperature brightness&quot;: %2</source>
        <translation>Строка %1 не в формате &quot;программа = температура яркость&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Cyclops</name>
    <message>
        <source>Restart your PC</source>
        <translation>Перезагрузите компьютер</translation>
    </message>
    <message>
        <source>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</source>
        <translation>Kavo внёс небольшое изменение, чтобы разрешить более низкие значения. Перезагрузите компьютер один раз, чтобы открыть все возможности.</translation>
    </message>
    <message>
        <source>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</source>
        <translation>Некоторые функции ограничены, пока вы не перезагрузите компьютер. Сейчас используется высокоуровневый API цвета.</translation>
    </message>
</context>
<context>
    <name>DebugConsoleWindow</name>
    <message>
        <source>Copy all</source>
        <translation>Копировать всё</translation>
    </message>
</context>
<context>
    <name>DebugInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>НАЖМИТЕ, ЧТОБЫ СКОПИРОВАТЬ ТЕКСТ В БУФЕР ОБМЕНА</translation>
    </message>
</context>
<context>
    <name>MagnificationApi</name>
    <message>
        <source>Kavo Color Effects</source>
        <translation>Цветовые эффекты Kavo</translation>
    </message>
    <message>
        <source>Failed to initialize color effects.</source>
        <translation>Не удалось включить цветовые эффекты.</translation>
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
        <translation>Работа/перерыв</translation>
    </message>
    <message>
        <source>Reset timer</source>
        <translation>Сбросить таймер</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>Пауза/продолжить</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Таймер на паузе</translation>
    </message>
</context>
<context>
    <name>TransitionTimesInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>НАЖМИТЕ, ЧТОБЫ СКОПИРОВАТЬ ТЕКСТ В БУФЕР ОБМЕНА</translation>
    </message>
    <message>
        <source>Detected current Clock time</source>
        <translation>Текущее время на часах</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Местное время</translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation>Время UTC</translation>
    </message>
    <message>
        <source>Day start time</source>
        <translation>Начало дня</translation>
    </message>
    <message>
        <source>Day transition start time</source>
        <translation>Начало перехода к дню</translation>
    </message>
    <message>
        <source>Day transition end time</source>
        <translation>Конец перехода к дню</translation>
    </message>
    <message>
        <source>Day end time</source>
        <translation>Конец дня</translation>
    </message>
    <message>
        <source>Night start time</source>
        <translation>Начало ночи</translation>
    </message>
    <message>
        <source>Night transition start time</source>
        <translation>Начало перехода к ночи</translation>
    </message>
    <message>
        <source>Night transition end time</source>
        <translation>Конец перехода к ночи</translation>
    </message>
    <message>
        <source>Night end time</source>
        <translation>Конец ночи</translation>
    </message>
    <message>
        <source>Day duration</source>
        <translation>Длительность дня</translation>
    </message>
    <message>
        <source>Day transition duration</source>
        <translation>Длительность перехода к дню</translation>
    </message>
    <message>
        <source>Night duration</source>
        <translation>Длительность ночи</translation>
    </message>
    <message>
        <source>Night transition duration</source>
        <translation>Длительность перехода к ночи</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>Custom Time zone offset</source>
        <translation>Своё смещение часового пояса</translation>
    </message>
    <message>
        <source>Sunrise time</source>
        <translation>Время восхода</translation>
    </message>
    <message>
        <source>Sunset time</source>
        <translation>Время заката</translation>
    </message>
    <message>
        <source>New moon offset</source>
        <translation>Смещение в новолуние</translation>
    </message>
    <message>
        <source>Full moon offset</source>
        <translation>Смещение в полнолуние</translation>
    </message>
    <message>
        <source>Current moon offset</source>
        <translation>Текущее лунное смещение</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Отход ко сну</translation>
    </message>
    <message>
        <source>Bedtime transition start time</source>
        <translation>Начало перехода ко сну</translation>
    </message>
    <message>
        <source>Bedtime transition end time</source>
        <translation>Конец перехода ко сну</translation>
    </message>
    <message>
        <source>Bedtime end time</source>
        <translation>Конец периода сна</translation>
    </message>
    <message>
        <source>Wake time</source>
        <translation>Подъём</translation>
    </message>
    <message>
        <source>Wake time transition start time</source>
        <translation>Начало перехода к подъёму</translation>
    </message>
    <message>
        <source>Wake time transition end time</source>
        <translation>Конец перехода к подъёму</translation>
    </message>
    <message>
        <source>Wake time end time</source>
        <translation>Конец периода бодрствования</translation>
    </message>
    <message>
        <source>Sleep duration</source>
        <translation>Длительность сна</translation>
    </message>
    <message>
        <source>Sleep transition duration</source>
        <translation>Длительность перехода ко сну</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>Use Automatic Location</source>
        <translation>Автоматическое местоположение</translation>
    </message>
    <message>
        <source>Use Manual Night Duration</source>
        <translation>Длительность ночи вручную</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>Loading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Location unknown: set it by hand</source>
        <translation>Местоположение неизвестно: укажите его вручную</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>Доступна новая версия</translation>
    </message>
    <message>
        <source>Kavo %1 is available</source>
        <translation>Доступна версия Kavo %1</translation>
    </message>
    <message>
        <source>This build of Kavo names no update server</source>
        <translation>В этой сборке Kavo не указан сервер обновлений</translation>
    </message>
    <message>
        <source>No answer from the update server</source>
        <translation>Сервер обновлений не отвечает</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read</source>
        <translation>Не удалось прочитать ответ сервера обновлений</translation>
    </message>
    <message>
        <source>Kavo is up to date</source>
        <translation>У вас последняя версия Kavo</translation>
    </message>
    <message>
        <source>100 % leaves colours as they are; 0 % is grey.</source>
        <translation>При 100 % цвета не меняются, при 0 % всё становится серым.</translation>
    </message>
    <message>
        <source>A cursor drawn in software takes on the screen colours.</source>
        <translation>Программный курсор принимает цвета экрана.</translation>
    </message>
    <message>
        <source>A window with Kavo&apos;s log as it is written. Click again to close it.</source>
        <translation>Окно, в котором журнал Kavo видно по мере записи. Нажмите ещё раз, чтобы закрыть его.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
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
        <translation>Расширенный</translation>
    </message>
    <message>
        <source>Allows values from 0 K (deep red) to 10000 K (cold blue).</source>
        <translation>Разрешает значения от 0 K (глубокий красный) до 10000 K (холодный синий).</translation>
    </message>
    <message>
        <source>Allows values from 10 % to 150 %.</source>
        <translation>Разрешает значения от 10 % до 150 %.</translation>
    </message>
    <message>
        <source>Apply the saturation above.</source>
        <translation>Применить насыщенность, заданную выше.</translation>
    </message>
    <message>
        <source>Ask the update server once, whatever the settings above.</source>
        <translation>Один раз запросить сервер обновлений, независимо от настроек выше.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматический</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Автообновление</translation>
    </message>
    <message>
        <source>Autosave settings changes</source>
        <translation>Автосохранение настроек</translation>
    </message>
    <message>
        <source>Bedtime:</source>
        <translation>Отход ко сну:</translation>
    </message>
    <message>
        <source>Biohacker</source>
        <translation>Биохакер</translation>
    </message>
    <message>
        <source>Block keyboard on strict mode</source>
        <translation>Блокировать клавиатуру в строгом режиме</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Blue light</source>
        <translation>Синий свет</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</source>
        <translation>Яркость после заката. В тёмной комнате тусклый экран меньше утомляет глаза.</translation>
    </message>
    <message>
        <source>Brightness in daylight, in percent of the full screen brightness.</source>
        <translation>Яркость днём, в процентах от полной яркости экрана.</translation>
    </message>
    <message>
        <source>Brightness of the sleep period.</source>
        <translation>Яркость в период сна.</translation>
    </message>
    <message>
        <source>Build this window only when it is first opened, which saves memory and start-up time.</source>
        <translation>Создавать это окно только при первом открытии: так экономится память и ускоряется запуск.</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>Процессор</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</source>
        <translation>Немного менять каждую новую гамма-кривую, чтобы драйвер дисплея, который пропускает повторную кривую, снова принял цвета Kavo, например после того как их сбросила игра.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Проверять обновления</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Проверить сейчас</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Выбрать страницы</translation>
    </message>
    <message>
        <source>Choose the monitors Kavo changes, and whether each has colours of its own.</source>
        <translation>Выберите, какие мониторы меняет Kavo и нужны ли каждому свои цвета.</translation>
    </message>
    <message>
        <source>ClearType</source>
        <translation>ClearType</translation>
    </message>
    <message>
        <source>ClearType with alternative renderer</source>
        <translation>ClearType с другим методом отрисовки</translation>
    </message>
    <message>
        <source>Click to copy the text to the clipboard</source>
        <translation>Нажмите, чтобы скопировать текст в буфер обмена</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Closing the window hides it instead of minimising it.</source>
        <translation>При закрытии окно скрывается, а не сворачивается.</translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation>Цветовая схема</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Цветовая температура</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</source>
        <translation>Цветовая температура после заката. Тёплый свет вечером бережнее к вашему сну.</translation>
    </message>
    <message>
        <source>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</source>
        <translation>Цветовая температура днём. 6500 K — нейтральный свет; меньшие значения теплее и содержат меньше синего света.</translation>
    </message>
    <message>
        <source>Colour temperature of the sleep period.</source>
        <translation>Цветовая температура в период сна.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Свой</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмный</translation>
    </message>
    <message>
        <source>Day Brightness</source>
        <translation>Дневная яркость</translation>
    </message>
    <message>
        <source>Day Light</source>
        <translation>Дневной свет</translation>
    </message>
    <message>
        <source>Day Temperature</source>
        <translation>Дневная температура</translation>
    </message>
    <message>
        <source>Day Transition:</source>
        <translation>Переход к дню:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Отладка</translation>
    </message>
    <message>
        <source>Debug console</source>
        <translation>Консоль отладки</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>Отладочная информация</translation>
    </message>
    <message>
        <source>Degrees east; negative in the west.</source>
        <translation>Градусы восточной долготы; для западной — со знаком минус.</translation>
    </message>
    <message>
        <source>Degrees north; negative in the south.</source>
        <translation>Градусы северной широты; для южной — со знаком минус.</translation>
    </message>
    <message>
        <source>Desaturated</source>
        <translation>Обесцвечивание</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>Дейтераномалия</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Дейтеранопия</translation>
    </message>
    <message>
        <source>During strict breaks the keyboard does nothing.</source>
        <translation>Во время строгих перерывов клавиатура не работает.</translation>
    </message>
    <message>
        <source>Each step enlarges the screen a little more.</source>
        <translation>Каждый шаг ещё немного увеличивает экран.</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>Every language is named in its own words.</source>
        <translation>Названия языков написаны на них самих.</translation>
    </message>
    <message>
        <source>Extended values</source>
        <translation>Расширенный диапазон</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Шрифты</translation>
    </message>
    <message>
        <source>Fonts type</source>
        <translation>Сглаживание шрифтов</translation>
    </message>
    <message>
        <source>Full Moon offset:</source>
        <translation>Смещение в полнолуние:</translation>
    </message>
    <message>
        <source>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</source>
        <translation>Полноэкранные цветовые фильтры: оттенки серого, инверсия, сепия и фильтры для нарушений цветового зрения.</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>Видеокарта</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>Игры</translation>
    </message>
    <message>
        <source>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</source>
        <translation>Своя температура и яркость для каждого монитора; монитор выбирается вкладками вверху.</translation>
    </message>
    <message>
        <source>Grayclase Red</source>
        <translation>Оттенки серого с красным</translation>
    </message>
    <message>
        <source>Grayscale 1</source>
        <translation>Оттенки серого 1</translation>
    </message>
    <message>
        <source>Grayscale 2</source>
        <translation>Оттенки серого 2</translation>
    </message>
    <message>
        <source>Grayscale 3</source>
        <translation>Оттенки серого 3</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Groot</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Здоровье</translation>
    </message>
    <message>
        <source>Hide Taskbar icon on close</source>
        <translation>Скрывать значок на панели задач при закрытии</translation>
    </message>
    <message>
        <source>How Kavo fits into your desktop.</source>
        <translation>Как Kavo встраивается в ваш рабочий стол.</translation>
    </message>
    <message>
        <source>How Kavo keeps its colours on the screen.</source>
        <translation>Как Kavo удерживает свои цвета на экране.</translation>
    </message>
    <message>
        <source>How Kavo keeps your settings and notices that you are away.</source>
        <translation>Как Kavo хранит ваши настройки и замечает, что вы отошли.</translation>
    </message>
    <message>
        <source>How a colour temperature turns into screen colours.</source>
        <translation>Как цветовая температура превращается в цвета экрана.</translation>
    </message>
    <message>
        <source>How bright the screen is by day and by night.</source>
        <translation>Насколько ярок экран днём и ночью.</translation>
    </message>
    <message>
        <source>How long colours glide when Kavo pauses, resumes or changes mode or type.</source>
        <translation>Сколько длится плавная смена цветов, когда Kavo встаёт на паузу, продолжает работу или меняет режим или тип.</translation>
    </message>
    <message>
        <source>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</source>
        <translation>Сколько длится переход к дню: с серединой в момент восхода или с окончанием в момент, когда ночь заканчивается по часам.</translation>
    </message>
    <message>
        <source>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</source>
        <translation>Сколько длится переход к ночи: с серединой в момент заката или с окончанием в момент, когда ночь начинается по часам.</translation>
    </message>
    <message>
        <source>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</source>
        <translation>Сколько длятся переходы к периоду сна и обратно; они заканчиваются ко времени отхода ко сну и ко времени подъёма.</translation>
    </message>
    <message>
        <source>How much blue light the screen gives off by day and by night.</source>
        <translation>Сколько синего света излучает экран днём и ночью.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at full moon.</source>
        <translation>Насколько раньше начинаются ночь и день в полнолуние.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at new moon.</source>
        <translation>Насколько раньше начинаются ночь и день в новолуние.</translation>
    </message>
    <message>
        <source>How often a running Kavo looks again.</source>
        <translation>Как часто запущенный Kavo проверяет снова.</translation>
    </message>
    <message>
        <source>How slowly the colours change between day, night and sleep.</source>
        <translation>Насколько плавно меняются цвета между днём, ночью и сном.</translation>
    </message>
    <message>
        <source>How the system smooths the edges of text.</source>
        <translation>Как система сглаживает края текста.</translation>
    </message>
    <message>
        <source>Invert colors</source>
        <translation>Инвертировать цвета</translation>
    </message>
    <message>
        <source>Kavo</source>
        <translation>Kavo</translation>
    </message>
    <message>
        <source>Kavo can look for a new version and tell you when one is out.</source>
        <translation>Kavo может искать новую версию и сообщать о её выходе.</translation>
    </message>
    <message>
        <source>Kavo follows the sun at your location. Without a location of your own it looks one up.</source>
        <translation>Kavo следует за солнцем в вашем местоположении. Если вы его не указали, Kavo определит его сам.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and needs to relaunch for them to take effect.</source>
        <translation>Kavo внёс изменения в систему. Чтобы они вступили в силу, Kavo нужно перезапустить.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and restart is needed for changes to take effect.</source>
        <translation>Kavo внёс изменения в систему. Чтобы они вступили в силу, нужно перезагрузить компьютер.</translation>
    </message>
    <message>
        <source>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</source>
        <translation>Kavo бережёт ваши глаза: мягкие цвета ночью и напоминания об отдыхе.</translation>
    </message>
    <message>
        <source>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</source>
        <translation>Версия Kavo, ваша система и рабочий стол, а также все настройки. Нажмите на текст, чтобы скопировать его.</translation>
    </message>
    <message>
        <source>Keep the night brightness all the time instead of following the sun.</source>
        <translation>Всегда держать ночную яркость, а не следовать за солнцем.</translation>
    </message>
    <message>
        <source>Keep the night value all the time instead of following the sun.</source>
        <translation>Всегда держать ночное значение, а не следовать за солнцем.</translation>
    </message>
    <message>
        <source>Keeps Kavo light while it waits in the background.</source>
        <translation>Kavo меньше нагружает систему, пока ждёт в фоне.</translation>
    </message>
    <message>
        <source>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</source>
        <translation>Нажатия клавиш считаются присутствием: если их нет около 20 минут, таймер перерывов останавливается и снова запускается, когда вы вернётесь.</translation>
    </message>
    <message>
        <source>Keyboard inactivity</source>
        <translation>Бездействие клавиатуры</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Позже</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Широта:</translation>
    </message>
    <message>
        <source>Leading Color</source>
        <translation>Ведущий цвет</translation>
    </message>
    <message>
        <source>Let Kavo set the frequency above.</source>
        <translation>Разрешить Kavo устанавливать частоту, заданную выше.</translation>
    </message>
    <message>
        <source>Let Kavo tell you when a new version is out.</source>
        <translation>Kavo сообщит вам о выходе новой версии.</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Линейная</translation>
    </message>
    <message>
        <source>Linear Blue</source>
        <translation>Линейная синяя</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Местоположение</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Долгота:</translation>
    </message>
    <message>
        <source>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</source>
        <translation>Искать новую версию при запуске Kavo, а затем регулярно. Сохраняется вместе с остальными настройками.</translation>
    </message>
    <message>
        <source>Look now</source>
        <translation>Разовая проверка</translation>
    </message>
    <message>
        <source>Magmus</source>
        <translation>Magmus</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>Экранная лупа</translation>
    </message>
    <message>
        <source>Manage monitors</source>
        <translation>Управление мониторами</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ручной</translation>
    </message>
    <message>
        <source>Manual Brightness</source>
        <translation>Яркость вручную</translation>
    </message>
    <message>
        <source>Manual blue light</source>
        <translation>Синий свет вручную</translation>
    </message>
    <message>
        <source>Manual color settings</source>
        <translation>Цвет вручную</translation>
    </message>
    <message>
        <source>Manual location</source>
        <translation>Местоположение вручную</translation>
    </message>
    <message>
        <source>Manual night duration</source>
        <translation>Длительность ночи вручную</translation>
    </message>
    <message>
        <source>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</source>
        <translation>Многие экраны снижают яркость подсветки, очень быстро включая и выключая её (ШИМ). Чем выше частота, тем меньше мерцание.</translation>
    </message>
    <message>
        <source>Max Frequency</source>
        <translation>Макс. частота</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
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
        <translation>Бездействие мыши</translation>
    </message>
    <message>
        <source>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</source>
        <translation>Движения мыши считаются присутствием: если их нет около 20 минут, таймер перерывов останавливается и снова запускается, когда вы вернётесь.</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Кино</translation>
    </message>
    <message>
        <source>Mutes or strengthens the colours of the whole screen.</source>
        <translation>Приглушает или усиливает цвета всего экрана.</translation>
    </message>
    <message>
        <source>Negative Grayclased Red</source>
        <translation>Негатив: оттенки серого с красным</translation>
    </message>
    <message>
        <source>Negative Grayscale</source>
        <translation>Негатив: оттенки серого</translation>
    </message>
    <message>
        <source>Negative Sepia</source>
        <translation>Негатив: сепия</translation>
    </message>
    <message>
        <source>New Moon offset:</source>
        <translation>Смещение в новолуние:</translation>
    </message>
    <message>
        <source>News, help and the latest version.</source>
        <translation>Новости, справка и последняя версия.</translation>
    </message>
    <message>
        <source>Night Brightness</source>
        <translation>Ночная яркость</translation>
    </message>
    <message>
        <source>Night Light</source>
        <translation>Ночной свет</translation>
    </message>
    <message>
        <source>Night Temperature</source>
        <translation>Ночная температура</translation>
    </message>
    <message>
        <source>Night Transition:</source>
        <translation>Переход к ночи:</translation>
    </message>
    <message>
        <source>Night ends at:</source>
        <translation>Конец ночи:</translation>
    </message>
    <message>
        <source>Night starts at:</source>
        <translation>Начало ночи:</translation>
    </message>
    <message>
        <source>No smoothing</source>
        <translation>Без сглаживания</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</source>
        <translation>Учитывается во времени переходов ниже; само солнечное расписание следует часовому поясу системы.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выключен</translation>
    </message>
    <message>
        <source>Olaf</source>
        <translation>Olaf</translation>
    </message>
    <message>
        <source>Old Photo</source>
        <translation>Старое фото</translation>
    </message>
    <message>
        <source>Open or close</source>
        <translation>Открыть или закрыть</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Открыть сайт</translation>
    </message>
    <message>
        <source>Optimize UI Creation</source>
        <translation>Оптимизировать создание интерфейса</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Наложение</translation>
    </message>
    <message>
        <source>PWM Control</source>
        <translation>Управление ШИМ</translation>
    </message>
    <message>
        <source>PWM Frequency</source>
        <translation>Частота ШИМ</translation>
    </message>
    <message>
        <source>PWM control</source>
        <translation>Управление ШИМ</translation>
    </message>
    <message>
        <source>Pause Transition:</source>
        <translation>Переход при паузе:</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Per Monitor Settings</source>
        <translation>Настройки для каждого монитора</translation>
    </message>
    <message>
        <source>Preview 24 hours</source>
        <translation>Просмотр 24 часов</translation>
    </message>
    <message>
        <source>Productive</source>
        <translation>Продуктивный</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Программирование</translation>
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
        <translation>Чтение</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Relaunch is needed</source>
        <translation>Нужен перезапуск</translation>
    </message>
    <message>
        <source>Relaunch now</source>
        <translation>Перезапустить</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Restart is needed</source>
        <translation>Нужна перезагрузка</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Перезагрузить</translation>
    </message>
    <message>
        <source>Revert colors</source>
        <translation>Вернуть цвета</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Насыщенность</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>Сохранить и закрыть</translation>
    </message>
    <message>
        <source>Save changes when the window closes. Without it, closing the window brings back the saved settings.</source>
        <translation>Сохранять изменения при закрытии окна. Иначе при закрытии окна вернутся сохранённые настройки.</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Расписание</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Экран</translation>
    </message>
    <message>
        <source>Screen effect</source>
        <translation>Эффект экрана</translation>
    </message>
    <message>
        <source>Screen effects</source>
        <translation>Эффекты экрана</translation>
    </message>
    <message>
        <source>Send usage statistics</source>
        <translation>Отправлять статистику использования</translation>
    </message>
    <message>
        <source>Sephia</source>
        <translation>Сепия</translation>
    </message>
    <message>
        <source>Set the frequency again with every colour update, for screens that lose it.</source>
        <translation>Заново устанавливать частоту при каждом обновлении цвета — для экранов, которые её сбрасывают.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Показать изменения</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Простой</translation>
    </message>
    <message>
        <source>Simple Inversion</source>
        <translation>Простая инверсия</translation>
    </message>
    <message>
        <source>Simple view</source>
        <translation>Простой вид</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Сон</translation>
    </message>
    <message>
        <source>Sleep Brightness</source>
        <translation>Яркость для сна</translation>
    </message>
    <message>
        <source>Sleep Light</source>
        <translation>Свет для сна</translation>
    </message>
    <message>
        <source>Sleep Transition:</source>
        <translation>Переход ко сну:</translation>
    </message>
    <message>
        <source>Smart Inversion 1</source>
        <translation>Умная инверсия 1</translation>
    </message>
    <message>
        <source>Smart Inversion 2</source>
        <translation>Умная инверсия 2</translation>
    </message>
    <message>
        <source>Smart Inversion 3</source>
        <translation>Умная инверсия 3</translation>
    </message>
    <message>
        <source>Smart Inversion 4</source>
        <translation>Умная инверсия 4</translation>
    </message>
    <message>
        <source>Smart Inversion 5</source>
        <translation>Умная инверсия 5</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Стандартный</translation>
    </message>
    <message>
        <source>Start Kavo on startup</source>
        <translation>Запускать Kavo при старте системы</translation>
    </message>
    <message>
        <source>Start Kavo when you log in.</source>
        <translation>Запускать Kavo при входе в систему.</translation>
    </message>
    <message>
        <source>Start and end the night by the clock instead of by the sun.</source>
        <translation>Начинать и заканчивать ночь по часам, а не по солнцу.</translation>
    </message>
    <message>
        <source>Steps back until the screen is at its normal size.</source>
        <translation>Шаг за шагом уменьшает масштаб, пока экран не вернётся к обычному размеру.</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>Строгий</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Солнечные очки</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Обмен цветов</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>The changes in this version of Kavo.</source>
        <translation>Изменения в этой версии Kavo.</translation>
    </message>
    <message>
        <source>The colour temperature of the screen by day and by night, and inverted colours.</source>
        <translation>Цветовая температура экрана днём и ночью, а также инверсия цветов.</translation>
    </message>
    <message>
        <source>The colour that stays strongest at warm temperatures.</source>
        <translation>Цвет, который остаётся самым сильным при тёплой температуре.</translation>
    </message>
    <message>
        <source>The filter laid over the whole screen.</source>
        <translation>Фильтр, который накладывается на весь экран.</translation>
    </message>
    <message>
        <source>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</source>
        <translation>Частота, которую Kavo устанавливает, пока включено управление ШИМ. Какие частоты поддерживает экран, уточните у его производителя.</translation>
    </message>
    <message>
        <source>The highest frequency the slider offers, in hertz.</source>
        <translation>Наибольшая частота на ползунке, в герцах.</translation>
    </message>
    <message>
        <source>The language of Kavo&apos;s windows, menus and messages.</source>
        <translation>Язык окон, меню и сообщений Kavo.</translation>
    </message>
    <message>
        <source>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</source>
        <translation>Луна сдвигает солнечное расписание: ночь и день начинаются раньше на смещение, которое по мере роста луны меняется от значения для новолуния до значения для полнолуния.</translation>
    </message>
    <message>
        <source>The sleep period ends here.</source>
        <translation>Здесь заканчивается период сна.</translation>
    </message>
    <message>
        <source>The sleep period starts here.</source>
        <translation>Здесь начинается период сна.</translation>
    </message>
    <message>
        <source>The table of colours Kavo follows from warm to cold.</source>
        <translation>Таблица цветов, по которой Kavo идёт от тёплых к холодным.</translation>
    </message>
    <message>
        <source>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</source>
        <translation>Этот экран не даёт Kavo управлять ШИМ: вспомогательной программы kavo_get_pwm_frequency нет или она не сообщает частоту.</translation>
    </message>
    <message>
        <source>This desktop offers Kavo no backlight: the screen&apos;s brightness stays as it is.</source>
        <translation>Этот рабочий стол не даёт Kavo управлять подсветкой: яркость экрана остаётся прежней.</translation>
    </message>
    <message>
        <source>This desktop&apos;s night light shows only the colour temperature: colour schemes, the leading colour and screen effects need gamma ramps.</source>
        <translation>Ночной свет этого рабочего стола показывает только цветовую температуру: цветовым схемам, ведущему цвету и эффектам экрана нужны гамма-таблицы.</translation>
    </message>
    <message>
        <source>Time zone offset:</source>
        <translation>Смещение часового пояса:</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Таймер</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Переход</translation>
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
        <translation>Включить или выключить выбранный фильтр.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Update continuously</source>
        <translation>Обновлять постоянно</translation>
    </message>
    <message>
        <source>Use Advanced Settings</source>
        <translation>Расширенные настройки</translation>
    </message>
    <message>
        <source>Use Gamma Fixer</source>
        <translation>Исправлять гамму</translation>
    </message>
    <message>
        <source>Use software mouse cursor</source>
        <translation>Программный курсор мыши</translation>
    </message>
    <message>
        <source>Use the coordinates below instead of the looked-up location.</source>
        <translation>Использовать координаты ниже вместо найденного местоположения.</translation>
    </message>
    <message>
        <source>Use the sleep colours between bedtime and wake time.</source>
        <translation>Использовать цвета для сна от отхода ко сну до подъёма.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Wake time:</source>
        <translation>Подъём:</translation>
    </message>
    <message>
        <source>Warmer, dimmer colours for the hours before you go to bed.</source>
        <translation>Более тёплые и тусклые цвета на часы перед сном.</translation>
    </message>
    <message>
        <source>Washout 1</source>
        <translation>Выцветание 1</translation>
    </message>
    <message>
        <source>Washout 2</source>
        <translation>Выцветание 2</translation>
    </message>
    <message>
        <source>Washout 3</source>
        <translation>Выцветание 3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Что нового</translation>
    </message>
    <message>
        <source>What to send with a request for help. Nothing leaves your computer unless you send it.</source>
        <translation>Что приложить к просьбе о помощи. Ничего не покидает ваш компьютер, пока вы сами это не отправите.</translation>
    </message>
    <message>
        <source>Where Kavo computes sunrise and sunset for.</source>
        <translation>Место, для которого Kavo рассчитывает восход и закат.</translation>
    </message>
    <message>
        <source>Where the desktop decides font smoothing itself, this choice has no effect.</source>
        <translation>Если рабочий стол сам управляет сглаживанием шрифтов, этот выбор ни на что не влияет.</translation>
    </message>
    <message>
        <source>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</source>
        <translation>Какие страницы и окна вы открываете — каждый раз под новым случайным номером, без вашего имени и адреса. Только если в этой сборке Kavo указан адрес для статистики.</translation>
    </message>
    <message>
        <source>Zoom In:</source>
        <translation>Увеличение:</translation>
    </message>
    <message>
        <source>Zoom Out:</source>
        <translation>Уменьшение:</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Zooms the whole screen around the mouse pointer.</source>
        <translation>Увеличивает весь экран вокруг указателя мыши.</translation>
    </message>
    <message>
        <source>day</source>
        <translation>день</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>скрыта</translation>
    </message>
    <message>
        <source>month</source>
        <translation>месяц</translation>
    </message>
    <message>
        <source>per minute</source>
        <translation>в минуту</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>перерыва</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>видна</translation>
    </message>
    <message>
        <source>until</source>
        <translation>до</translation>
    </message>
    <message>
        <source>week</source>
        <translation>неделя</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>A minute of exercises, shown step by step in the corner of your screen.</source>
        <translation>Минута упражнений, шаг за шагом в углу экрана.</translation>
    </message>
    <message>
        <source>A program in front gets colours of its own: a film brighter, a reader warmer.</source>
        <translation>Программа на переднем плане получает свои цвета: фильм — ярче, читалка — теплее.</translation>
    </message>
    <message>
        <source>A short tone in the last seconds before a rest and before work.</source>
        <translation>Короткий сигнал в последние секунды перед перерывом и перед работой.</translation>
    </message>
    <message>
        <source>A small window in the corner of the screen with the count and the camera picture.</source>
        <translation>Маленькое окно в углу экрана со счётчиком и изображением с камеры.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Приложения</translation>
    </message>
    <message>
        <source>Artificial intelligence (AI)</source>
        <translation>Искусственный интеллект (ИИ)</translation>
    </message>
    <message>
        <source>Auto clicker</source>
        <translation>Автокликер</translation>
    </message>
    <message>
        <source>Auto close rest screen</source>
        <translation>Автоматически закрывать экран перерыва</translation>
    </message>
    <message>
        <source>Automatic brightness</source>
        <translation>Автояркость</translation>
    </message>
    <message>
        <source>Back exercises</source>
        <translation>Упражнения для спины</translation>
    </message>
    <message>
        <source>Blink detection</source>
        <translation>Счёт морганий</translation>
    </message>
    <message>
        <source>Blink screen</source>
        <translation>Окно морганий</translation>
    </message>
    <message>
        <source>Break every</source>
        <translation>Перерыв каждые</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Перерывы</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>Работает</translation>
    </message>
    <message>
        <source>Clicks the left mouse button where the pointer is, again and again.</source>
        <translation>Раз за разом нажимает левую кнопку мыши там, где стоит указатель.</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Пауза цвета</translation>
    </message>
    <message>
        <source>Color triggers</source>
        <translation>Цвета для программ</translation>
    </message>
    <message>
        <source>Colour changes pause while one of these programs shows: for drawing, photos and films.</source>
        <translation>Смена цветов приостанавливается, пока на экране одна из этих программ: для рисования, фото и фильмов.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Continue when you are ready.</source>
        <translation>Продолжайте, когда будете готовы.</translation>
    </message>
    <message>
        <source>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</source>
        <translation>Считать моргания в минуту. Глядя в экран, люди моргают реже — счётчик напомнит об этом.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</source>
        <translation>Ctrl+Alt+Shift+F10 сбрасывает все настройки, Ctrl+Alt+Shift+F11 закрывает Kavo, а Ctrl+Alt+Shift+F12 сбрасывает цвета, независимо от сочетаний выше.</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>Уменьшить яркость</translation>
    </message>
    <message>
        <source>Decrease temperature</source>
        <translation>Уменьшить температуру</translation>
    </message>
    <message>
        <source>Dim the screen a little while it shows bright content.</source>
        <translation>Немного приглушать экран, когда на нём яркое содержимое.</translation>
    </message>
    <message>
        <source>End screen overlay</source>
        <translation>Убрать наложение</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Упражнения</translation>
    </message>
    <message>
        <source>Eye exercises</source>
        <translation>Упражнения для глаз</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Функция</translation>
    </message>
    <message>
        <source>Fullscreen apps</source>
        <translation>Полноэкранные приложения</translation>
    </message>
    <message>
        <source>Have a rest</source>
        <translation>Отдохнуть</translation>
    </message>
    <message>
        <source>In front now</source>
        <translation>Сейчас на переднем плане</translation>
    </message>
    <message>
        <source>Incoming break</source>
        <translation>Скоро перерыв</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>Увеличить яркость</translation>
    </message>
    <message>
        <source>Increase temperature</source>
        <translation>Увеличить температуру</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Ввод</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Invert the colours while the screen shows mostly bright content.</source>
        <translation>Инвертировать цвета, когда на экране в основном яркое содержимое.</translation>
    </message>
    <message>
        <source>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</source>
        <translation>Kavo подстраивает экран под комнату и под то, что на нём показано. Снимки с камеры и экрана только измеряются и сразу отбрасываются: они никогда не сохраняются и никуда не отправляются.</translation>
    </message>
    <message>
        <source>Kavo listens to its shortcuts in every program.</source>
        <translation>Kavo реагирует на свои сочетания клавиш в любой программе.</translation>
    </message>
    <message>
        <source>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</source>
        <translation>Kavo напоминает давать глазам отдых: короткий перерыв после каждого отрезка работы.</translation>
    </message>
    <message>
        <source>Kavo version</source>
        <translation>Версия Kavo</translation>
    </message>
    <message>
        <source>Keep the screen as bright as the room around it.</source>
        <translation>Держать яркость экрана в соответствии с освещением комнаты.</translation>
    </message>
    <message>
        <source>Key combinations that reach Kavo from every program.</source>
        <translation>Сочетания клавиш, которые доходят до Kavo из любой программы.</translation>
    </message>
    <message>
        <source>Lite</source>
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</source>
        <translation>«Лёгкий» — простая тёмная завеса с оставшимся временем. «Простой» и «Стандартный» — полноценные страницы; «Стандартный» добавляет часы и идею для отдыха.</translation>
    </message>
    <message>
        <source>Look away from the screen and let your eyes relax.</source>
        <translation>Отведите взгляд от экрана и дайте глазам расслабиться.</translation>
    </message>
    <message>
        <source>Look far, roll and blink: eyes that focus on a screen all day need it most.</source>
        <translation>Смотрите вдаль, вращайте глазами и моргайте: больше всего это нужно глазам, которые весь день смотрят в экран.</translation>
    </message>
    <message>
        <source>Manual or automatic</source>
        <translation>Ручной или автоматический режим</translation>
    </message>
    <message>
        <source>Match brightness to lighting</source>
        <translation>Яркость по освещению</translation>
    </message>
    <message>
        <source>Milliseconds between two clicks, at least 10.</source>
        <translation>Миллисекунды между двумя щелчками, не меньше 10.</translation>
    </message>
    <message>
        <source>Minutes of work, then seconds of rest.</source>
        <translation>Минуты работы, затем секунды отдыха.</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Пауза курсора</translation>
    </message>
    <message>
        <source>Neck exercises</source>
        <translation>Упражнения для шеи</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</source>
        <translation>Обычные перерывы можно пропустить, строгие — нельзя. «Продуктивный» не закрывает экран, а показывает небольшой обратный отсчёт.</translation>
    </message>
    <message>
        <source>One program per line, named as it runs (vlc, kmplayer). Add fullscreen after a name to pause only while it fills the screen.</source>
        <translation>По одной программе в строке, под именем её процесса (vlc, kmplayer). Добавьте fullscreen после имени, чтобы пауза включалась, только когда программа занимает весь экран.</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, bsplayer).</source>
        <translation>По одной программе в строке, точно под именем её процесса (vlc, bsplayer).</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, kmplayer).</source>
        <translation>По одной программе в строке, точно под именем её процесса (vlc, kmplayer).</translation>
    </message>
    <message>
        <source>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</source>
        <translation>По одной программе в строке: имя = температура яркость, например vlc = 6500 120. Температура от 0 до 10000 K, яркость от 10 до 150 %.</translation>
    </message>
    <message>
        <source>Pause colour changes while a listed program shows.</source>
        <translation>Приостанавливать смену цветов, пока на экране программа из списка.</translation>
    </message>
    <message>
        <source>Pause colour changes while any program fills the screen.</source>
        <translation>Приостанавливать смену цветов, пока любая программа занимает весь экран.</translation>
    </message>
    <message>
        <source>Pause or resume Kavo</source>
        <translation>Приостановить или возобновить Kavo</translation>
    </message>
    <message>
        <source>Pause or resume the timer</source>
        <translation>Приостановить или возобновить таймер</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>Отложить</translation>
    </message>
    <message>
        <source>Postpone duration</source>
        <translation>Отложить на</translation>
    </message>
    <message>
        <source>Press the new combination</source>
        <translation>Нажмите новое сочетание</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Программы</translation>
    </message>
    <message>
        <source>Programs and colours</source>
        <translation>Программы и цвета</translation>
    </message>
    <message>
        <source>Quit Kavo</source>
        <translation>Выйти из Kavo</translation>
    </message>
    <message>
        <source>Rest screen</source>
        <translation>Экран перерыва</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Screen effects on or off</source>
        <translation>Вкл./выкл. эффекты экрана</translation>
    </message>
    <message>
        <source>Overlays</source>
        <translation>Наложения</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Датчики</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Сочетания клавиш</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>Slow turns and tilts for a neck that held one position too long.</source>
        <translation>Медленные повороты и наклоны для шеи, которая слишком долго была в одном положении.</translation>
    </message>
    <message>
        <source>Smart brightness</source>
        <translation>Умная яркость</translation>
    </message>
    <message>
        <source>Smart inversion</source>
        <translation>Умная инверсия</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Запустить</translation>
    </message>
    <message>
        <source>Start a break</source>
        <translation>Начать перерыв</translation>
    </message>
    <message>
        <source>Start screen overlay</source>
        <translation>Включить наложение</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Stop it here, from the tray menu or by quitting Kavo.</source>
        <translation>Остановить его можно здесь, в меню в трее или закрыв Kavo.</translation>
    </message>
    <message>
        <source>Stop the break timer while a listed program shows.</source>
        <translation>Останавливать таймер перерывов, пока на экране программа из списка.</translation>
    </message>
    <message>
        <source>Stop the break timer while any program fills the screen.</source>
        <translation>Останавливать таймер перерывов, пока любая программа занимает весь экран.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлен</translation>
    </message>
    <message>
        <source>Stretches you can do standing beside your desk.</source>
        <translation>Растяжка, которую можно сделать стоя у стола.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while a listed program shows.</source>
        <translation>Отключать программный курсор, пока на экране программа из списка.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while any program fills the screen.</source>
        <translation>Отключать программный курсор, пока любая программа занимает весь экран.</translation>
    </message>
    <message>
        <source>Ten seconds before a rest Kavo offers to move it by this many minutes.</source>
        <translation>За десять секунд до перерыва Kavo предлагает отложить его на столько минут.</translation>
    </message>
    <message>
        <source>The break timer stops while one of these programs shows: films, presentations, calls.</source>
        <translation>Таймер перерывов останавливается, пока на экране одна из этих программ: фильмы, презентации, звонки.</translation>
    </message>
    <message>
        <source>The camera measures the room light and the brightness follows it, a little every second.</source>
        <translation>Камера измеряет освещение в комнате, и яркость каждую секунду понемногу подстраивается под него.</translation>
    </message>
    <message>
        <source>The program you are using, as the lists name it.</source>
        <translation>Программа, с которой вы работаете, под тем именем, что нужно для списков.</translation>
    </message>
    <message>
        <source>The rest is over</source>
        <translation>Перерыв окончен</translation>
    </message>
    <message>
        <source>The software cursor goes while one of these programs shows: games draw their own.</source>
        <translation>Программный курсор исчезает, пока на экране одна из этих программ: игры рисуют свой.</translation>
    </message>
    <message>
        <source>This is a strict rest: it ends by itself.</source>
        <translation>Это строгий перерыв: он закончится сам.</translation>
    </message>
    <message>
        <source>Time for a rest</source>
        <translation>Пора отдохнуть</translation>
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
        <translation>Звуковые сигналы</translation>
    </message>
    <message>
        <source>Use the colours of the list while a listed program is in front.</source>
        <translation>Использовать цвета из списка, пока программа из списка на переднем плане.</translation>
    </message>
    <message>
        <source>Use the first camera for the room light and the blink count.</source>
        <translation>Использовать первую камеру для замера освещения и счёта морганий.</translation>
    </message>
    <message>
        <source>What covers your monitors during a rest.</source>
        <translation>Чем закрываются мониторы во время перерыва.</translation>
    </message>
    <message>
        <source>What the shortcut does.</source>
        <translation>Что делает сочетание клавиш.</translation>
    </message>
    <message>
        <source>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</source>
        <translation>Когда перерыв закончится, работа сразу продолжится. Иначе экран перерыва ждёт, пока вы продолжите.</translation>
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
        <translation>нет</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>сек</translation>
    </message>
    <message>
        <source>until rest</source>
        <translation>до перерыва</translation>
    </message>
    <message>
        <source>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</source>
        <translation>%b — enable или disable, %d — целое число, %f — число, %s — слово. Нажмите на заклинание, чтобы скопировать его в поле ввода.</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Click again to reset every setting</source>
        <translation>Нажмите ещё раз, чтобы сбросить все настройки</translation>
    </message>
    <message>
        <source>Enter your spell:</source>
        <translation>Введите заклинание:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Hidden features</source>
        <translation>Скрытые функции</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Move your settings to another computer, or keep a copy.</source>
        <translation>Перенесите настройки на другой компьютер или сохраните их копию.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Сбросить настройки</translation>
    </message>
    <message>
        <source>Settings exported</source>
        <translation>Настройки экспортированы</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Файл настроек</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>Заклинания</translation>
    </message>
    <message>
        <source>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</source>
        <translation>Заклинания меняют настройки, для которых на страницах нет элементов управления. Те же заклинания работают из командной строки: kavo &quot;type dark&quot;.</translation>
    </message>
    <message>
        <source>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</source>
        <translation>Полупрозрачный цветной слой поверх экрана затемняет и окрашивает его сильнее, чем одни цвета; щелчки проходят сквозь него.</translation>
    </message>
    <message>
        <source>Day Dim</source>
        <translation>Дневное затемнение</translation>
    </message>
    <message>
        <source>Day Opacity</source>
        <translation>Дневная непрозрачность</translation>
    </message>
    <message>
        <source>How dark the surroundings are.</source>
        <translation>Насколько темно вокруг пятна.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is at night.</source>
        <translation>Насколько темнее цвет слоя ночью.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is by day.</source>
        <translation>Насколько темнее цвет слоя днём.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen at night.</source>
        <translation>Насколько плотно слой закрывает экран ночью.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen by day.</source>
        <translation>Насколько плотно слой закрывает экран днём.</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Индиго</translation>
    </message>
    <message>
        <source>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</source>
        <translation>Оставляет на экране светлое пятно и затемняет всё вокруг него; щелчки проходят сквозь затемнение.</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Лимонный</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Световое пятно</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Пурпурный</translation>
    </message>
    <message>
        <source>Night Dim</source>
        <translation>Ночное затемнение</translation>
    </message>
    <message>
        <source>Night Opacity</source>
        <translation>Ночная непрозрачность</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозрачность</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Оранжевый</translation>
    </message>
    <message>
        <source>Overlay color</source>
        <translation>Цвет наложения</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Лиловый</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Радиус</translation>
    </message>
    <message>
        <source>Reset area</source>
        <translation>Сбросить область</translation>
    </message>
    <message>
        <source>Scarlet</source>
        <translation>Алый</translation>
    </message>
    <message>
        <source>Screen overlay</source>
        <translation>Наложение на экран</translation>
    </message>
    <message>
        <source>Select an area, then drag over the screen: the area stays clear. Escape cancels.</source>
        <translation>Нажмите «Выбрать область» и протяните мышью по экрану: эта область останется открытой. Escape отменяет выбор.</translation>
    </message>
    <message>
        <source>Select area</source>
        <translation>Выбрать область</translation>
    </message>
    <message>
        <source>Show the layer.</source>
        <translation>Показывать слой.</translation>
    </message>
    <message>
        <source>Show the spot.</source>
        <translation>Показывать пятно.</translation>
    </message>
    <message>
        <source>The colour of the layer.</source>
        <translation>Цвет слоя.</translation>
    </message>
    <message>
        <source>The size of the bright spot.</source>
        <translation>Размер светлого пятна.</translation>
    </message>
    <message>
        <source>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</source>
        <translation>На этом рабочем столе эффект виден, пока вы бездействуете: через две секунды покоя экран закрывает его снимок с эффектом — до нажатия клавиши или движения мыши.</translation>
    </message>
    <message>
        <source>This effect shows at once.</source>
        <translation>Этот эффект применяется сразу.</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Бирюзовый</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <source>Where the spot sits across the screen.</source>
        <translation>Положение пятна по горизонтали.</translation>
    </message>
    <message>
        <source>Where the spot sits down the screen.</source>
        <translation>Положение пятна по вертикали.</translation>
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
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Settings imported</source>
        <translation>Настройки импортированы</translation>
    </message>
    <message>
        <source>Settings not imported</source>
        <translation>Настройки не импортированы</translation>
    </message>
    <message>
        <source>%1 conflicts with %2</source>
        <translation>%1 конфликтует с %2</translation>
    </message>
    <message>
        <source>%1 conflicts with %2 color changes and you may see some ON/OFF flicker of the colors.
%2 automatically closes such apps, but please uninstall one of the apps if you still have problems.</source>
        <translation>%1 конфликтует со сменой цветов %2, и цвета могут мигать.
%2 автоматически закрывает такие приложения, но если проблемы останутся, удалите одно из них.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Remaining %1</source>
        <translation>Осталось %1</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>Камера не найдена</translation>
    </message>
    <message>
        <source>Object detectors not found</source>
        <translation>Детекторы объектов не найдены</translation>
    </message>
    <message>
        <source>Invalid spell</source>
        <translation>Неверное заклинание</translation>
    </message>
    <message>
        <source>The spell &quot;%1&quot; seems wrong. Check the syntax or try with some other hidden feature.
Use &quot;help&quot; to see the list of all hidden features :)</source>
        <translation>Похоже, заклинание &quot;%1&quot; неверно. Проверьте синтаксис или попробуйте другую скрытую функцию.
Введите &quot;help&quot;, чтобы увидеть список всех скрытых функций :)</translation>
    </message>
    <message>
        <source>Hidden feature succeeded</source>
        <translation>Скрытая функция выполнена</translation>
    </message>
    <message>
        <source>%1 succeeded</source>
        <translation>%1: выполнено</translation>
    </message>
    <message>
        <source>Invalid temperature</source>
        <translation>Неверная температура</translation>
    </message>
    <message>
        <source>%1 is invalid value for Color temperature. Use number between 0 and 10000.</source>
        <translation>%1 — недопустимое значение цветовой температуры. Укажите число от 0 до 10000.</translation>
    </message>
    <message>
        <source>Temperature changed</source>
        <translation>Температура изменена</translation>
    </message>
    <message>
        <source>Color temperature changed to %1K</source>
        <translation>Цветовая температура изменена на %1K</translation>
    </message>
    <message>
        <source>Invalid brightness</source>
        <translation>Неверная яркость</translation>
    </message>
    <message>
        <source>%1 is invalid value for Brightness. Use number between 10 and 100.</source>
        <translation>%1 — недопустимое значение яркости. Укажите число от 10 до 100.</translation>
    </message>
    <message>
        <source>Brightness changed</source>
        <translation>Яркость изменена</translation>
    </message>
    <message>
        <source>Brightness changed to %1%</source>
        <translation>Яркость изменена на %1%</translation>
    </message>
    <message>
        <source>Invalid Night start time</source>
        <translation>Неверное время начала ночи</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night start time. Use number between 0 and 24.</source>
        <translation>%1 — недопустимое значение времени начала ночи. Укажите число от 0 до 24.</translation>
    </message>
    <message>
        <source>Night start time changed</source>
        <translation>Время начала ночи изменено</translation>
    </message>
    <message>
        <source>Manual night start time changed to %1h</source>
        <translation>Время начала ночи (вручную) изменено на %1h</translation>
    </message>
    <message>
        <source>Invalid Night end time</source>
        <translation>Неверное время конца ночи</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night end time. Use number between 0 and 24.</source>
        <translation>%1 — недопустимое значение времени конца ночи. Укажите число от 0 до 24.</translation>
    </message>
    <message>
        <source>Night end time changed</source>
        <translation>Время конца ночи изменено</translation>
    </message>
    <message>
        <source>Manual night end time changed to %1h</source>
        <translation>Время конца ночи (вручную) изменено на %1h</translation>
    </message>
    <message>
        <source>Kavo is switching to %1 type</source>
        <translation>Kavo переключается на тип %1</translation>
    </message>
    <message>
        <source>You will see the difference in your screen after a moment :)</source>
        <translation>Через мгновение вы увидите разницу на экране :)</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>Уведомления включены</translation>
    </message>
    <message>
        <source>Hidden features notifications are enabled. They are show so you will know when your spell is successful</source>
        <translation>Уведомления скрытых функций включены. Они сообщат вам, когда заклинание сработало</translation>
    </message>
    <message>
        <source>Notifications disabled</source>
        <translation>Уведомления выключены</translation>
    </message>
    <message>
        <source>Hidden features notifications are disabled. This is the last notification that you will see</source>
        <translation>Уведомления скрытых функций выключены. Это последнее уведомление, которое вы увидите</translation>
    </message>
    <message>
        <source>Gamma fixer enabled</source>
        <translation>Исправление гаммы включено</translation>
    </message>
    <message>
        <source>Gamma fixer is enabled. If notice slight color changing every second disable the Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini changes from time to time.</source>
        <translation>Исправление гаммы включено. Если цвета слегка меняются каждую секунду, снова выключите его. Исправление гаммы нужно, потому что Windows время от времени игнорирует изменения Kavo mini.</translation>
    </message>
    <message>
        <source>Gamma fixer disabled</source>
        <translation>Исправление гаммы выключено</translation>
    </message>
    <message>
        <source>Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or click the Kavo mini icon several times. Both should force Kavo to change the screen colors.</source>
        <translation>Исправление гаммы выключено. Если экран вдруг станет ярким, снова включите его или несколько раз нажмите на значок Kavo mini. И то и другое заставит Kavo снова изменить цвета экрана.</translation>
    </message>
    <message>
        <source>Software cursor enabled</source>
        <translation>Программный курсор включён</translation>
    </message>
    <message>
        <source>Color changes will apply also on the cursor. If it starts to dissappear use disable software cursor to make it bright again.</source>
        <translation>Смена цветов будет применяться и к курсору. Если он начнёт исчезать, введите &quot;disable software cursor&quot;, чтобы он снова стал ярким.</translation>
    </message>
    <message>
        <source>Hardware cursor enabled</source>
        <translation>Аппаратный курсор включён</translation>
    </message>
    <message>
        <source>Color changes will not apply on the cursor. If you don&apos;t like the bright blue cursor at night use enable software cursor to make apply color changes on the cursor.</source>
        <translation>Смена цветов не будет применяться к курсору. Если вам не нравится яркий синий курсор ночью, введите &quot;enable software cursor&quot;, чтобы смена цветов применялась и к нему.</translation>
    </message>
    <message>
        <source>Conflicting applications enabled</source>
        <translation>Конфликтующие приложения разрешены</translation>
    </message>
    <message>
        <source>Conflicting applications are enabled. You can now use other softwares which change the screen colors.</source>
        <translation>Конфликтующие приложения разрешены. Теперь можно пользоваться другими программами, которые меняют цвета экрана.</translation>
    </message>
    <message>
        <source>Conflicting applications disabled</source>
        <translation>Конфликтующие приложения запрещены</translation>
    </message>
    <message>
        <source>Conflicting applications are disabled. In order to not cause flicker conflicting applications are disabled.</source>
        <translation>Конфликтующие приложения запрещены. Они отключаются, чтобы цвета не мигали.</translation>
    </message>
    <message>
        <source>Monitor %1 disabled</source>
        <translation>Монитор %1 отключён</translation>
    </message>
    <message>
        <source>Kavo will not apply color changes to Monitor %1</source>
        <translation>Kavo не будет менять цвета на мониторе %1</translation>
    </message>
    <message>
        <source>Monitor %1 enabled</source>
        <translation>Монитор %1 включён</translation>
    </message>
    <message>
        <source>Kavo will apply color changes to Monitor %1</source>
        <translation>Kavo будет менять цвета на мониторе %1</translation>
    </message>
    <message>
        <source>Color range is already expanded</source>
        <translation>Цветовой диапазон уже расширен</translation>
    </message>
    <message>
        <source>Color range is already expanded. If you have problems with lower values try to Restart your PC. If the problem persist write to us with info about your PC to test and fix this.</source>
        <translation>Цветовой диапазон уже расширен. Если с низкими значениями есть проблемы, перезагрузите компьютер. Если проблема не исчезнет, напишите нам и приложите сведения о компьютере, чтобы мы могли проверить и исправить это.</translation>
    </message>
    <message>
        <source>Expand color range Failed</source>
        <translation>Не удалось расширить цветовой диапазон</translation>
    </message>
    <message>
        <source>Expand color range Failed you need Admin permission to execute this</source>
        <translation>Не удалось расширить цветовой диапазон: для этого нужны права администратора</translation>
    </message>
    <message>
        <source>No uninstaller in the App folder</source>
        <translation>В папке приложения нет программы удаления</translation>
    </message>
    <message>
        <source>There is not uninstaller in &quot;%1&quot;
 You can quit %2 and delete the folder by hand</source>
        <translation>В &quot;%1&quot; нет программы удаления.
 Можно закрыть %2 и удалить папку вручную</translation>
    </message>
    <message>
        <source>Gamma preservation enabled</source>
        <translation>Сохранение гаммы включено</translation>
    </message>
    <message>
        <source>Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day</source>
        <translation>Теперь Kavo будет учитывать калибровку цвета. Закройте и снова запустите Kavo mini, и днём он сохранит ваши цвета</translation>
    </message>
    <message>
        <source>Gamma preservation disabled</source>
        <translation>Сохранение гаммы выключено</translation>
    </message>
    <message>
        <source>Kavo will not respect your color calibration from now on. It will use the default monitor settings instead</source>
        <translation>Теперь Kavo не будет учитывать калибровку цвета и будет использовать стандартные настройки монитора</translation>
    </message>
    <message>
        <source>Start at startup enabled</source>
        <translation>Автозапуск включён</translation>
    </message>
    <message>
        <source>Kavo mini will start when you turn ON your computer</source>
        <translation>Kavo mini будет запускаться при включении компьютера</translation>
    </message>
    <message>
        <source>Start at startup disabled</source>
        <translation>Автозапуск выключен</translation>
    </message>
    <message>
        <source>Kavo mini will not start when you turn ON your computer</source>
        <translation>Kavo mini не будет запускаться при включении компьютера</translation>
    </message>
    <message>
        <source>Tray icon rotation is enabled</source>
        <translation>Вращение значка в трее включено</translation>
    </message>
    <message>
        <source>The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Значок в трее будет вращаться, пока Kavo меняет цвета экрана. Так видно, когда Kavo mini меняет цвета и экран не откалиброван</translation>
    </message>
    <message>
        <source>Tray icon rotation is disabled</source>
        <translation>Вращение значка в трее выключено</translation>
    </message>
    <message>
        <source>The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Значок в трее не будет вращаться, пока Kavo меняет цвета экрана. Эта функция показывает, когда Kavo mini меняет цвета и экран не откалиброван</translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation>Сброс цветов</translation>
    </message>
    <message>
        <source>Screen colors are reset to default values</source>
        <translation>Цвета экрана сброшены к значениям по умолчанию</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Сброс настроек</translation>
    </message>
    <message>
        <source>Kavo settings are reset to default values</source>
        <translation>Настройки Kavo сброшены к значениям по умолчанию</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled</source>
        <translation>Перехват клавиатуры включён</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled. You can now use system-wide shortcuts.</source>
        <translation>Перехват клавиатуры включён. Теперь работают общесистемные сочетания клавиш.</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled</source>
        <translation>Перехват клавиатуры выключен</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled. Some shortcuts and features may not work as intended</source>
        <translation>Перехват клавиатуры выключен. Некоторые сочетания клавиш и функции могут работать неправильно</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled</source>
        <translation>Сочетания клавиш включены</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled. You can now use Kavo shortcuts.</source>
        <translation>Сочетания клавиш включены. Теперь работают сочетания клавиш Kavo.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled</source>
        <translation>Сочетания клавиш выключены</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled. Kavo shortcuts will not work</source>
        <translation>Сочетания клавиш выключены. Сочетания клавиш Kavo не будут работать</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled</source>
        <translation>Аварийные сочетания клавиш включены</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.</source>
        <translation>Аварийные сочетания клавиш включены. Теперь работают аварийные сочетания клавиш Kavo.</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled</source>
        <translation>Аварийные сочетания клавиш выключены</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work</source>
        <translation>Аварийные сочетания клавиш выключены. Аварийные сочетания клавиш Kavo не будут работать</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled</source>
        <translation>Все сочетания клавиш и перехват включены</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.</source>
        <translation>Все сочетания клавиш и перехват включены. Теперь работают общесистемные и аварийные сочетания клавиш, а также сочетания Kavo.</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled</source>
        <translation>Все сочетания клавиш и перехват выключены</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work</source>
        <translation>Все сочетания клавиш и перехват выключены. Общесистемные и аварийные сочетания клавиш, а также сочетания Kavo не будут работать</translation>
    </message>
    <message>
        <source>Manual temperature enabled</source>
        <translation>Температура вручную включена</translation>
    </message>
    <message>
        <source>You are now using Kavo Mixed mode</source>
        <translation>Теперь Kavo работает в смешанном режиме</translation>
    </message>
    <message>
        <source>Manual temperature disabled</source>
        <translation>Температура вручную выключена</translation>
    </message>
    <message>
        <source>Kavo will use your selected mode for temperature again</source>
        <translation>Kavo снова будет задавать температуру по выбранному режиму</translation>
    </message>
    <message>
        <source>Manual brightness enabled</source>
        <translation>Яркость вручную включена</translation>
    </message>
    <message>
        <source>You are now using Kavo mini Mixed mode</source>
        <translation>Теперь Kavo mini работает в смешанном режиме</translation>
    </message>
    <message>
        <source>Manual brightness disabled</source>
        <translation>Яркость вручную выключена</translation>
    </message>
    <message>
        <source>Kavo mini will use your selected mode for brightness again</source>
        <translation>Kavo mini снова будет задавать яркость по выбранному режиму</translation>
    </message>
    <message>
        <source>Zero blue light</source>
        <translation>Без синего света</translation>
    </message>
    <message>
        <source>All blue light is removed from the screen</source>
        <translation>Весь синий свет убран с экрана</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Инверсия</translation>
    </message>
    <message>
        <source>Colors are inverted</source>
        <translation>Цвета инвертированы</translation>
    </message>
    <message>
        <source>Manual location enabled</source>
        <translation>Местоположение вручную включено</translation>
    </message>
    <message>
        <source>Kavo mini will use your manual location. Set latitude and longitude with the hidden features</source>
        <translation>Kavo mini будет использовать местоположение, указанное вручную. Задайте широту и долготу через скрытые функции</translation>
    </message>
    <message>
        <source>Manual location disabled</source>
        <translation>Местоположение вручную выключено</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini будет определять местоположение автоматически. По нему рассчитываются положение солнца и длительность дня и ночи</translation>
    </message>
    <message>
        <source>Latitude changed</source>
        <translation>Широта изменена</translation>
    </message>
    <message>
        <source>Latitude changed to %1°</source>
        <translation>Широта изменена на %1°</translation>
    </message>
    <message>
        <source>Longitude changed</source>
        <translation>Долгота изменена</translation>
    </message>
    <message>
        <source>Longitude changed to %1°</source>
        <translation>Долгота изменена на %1°</translation>
    </message>
    <message>
        <source>Manual night duration enabled</source>
        <translation>Длительность ночи вручную включена</translation>
    </message>
    <message>
        <source>Kavo mini will use manual night duration. Set start and end time with the hidden features</source>
        <translation>Kavo mini будет использовать длительность ночи, заданную вручную. Задайте время начала и конца ночи через скрытые функции</translation>
    </message>
    <message>
        <source>Manual night duration disabled</source>
        <translation>Длительность ночи вручную выключена</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini будет рассчитывать длительность ночи автоматически по местоположению. По нему рассчитываются положение солнца и длительность дня и ночи</translation>
    </message>
    <message>
        <source>No File selected for Export</source>
        <translation>Не выбран файл для экспорта</translation>
    </message>
    <message>
        <source>Failed to write file for Export: %1</source>
        <translation>Не удалось записать файл для экспорта: %1</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>Настройки экспортированы в %1</translation>
    </message>
    <message>
        <source>No File selected for Import</source>
        <translation>Не выбран файл для импорта</translation>
    </message>
    <message>
        <source>Failed to open file for Import</source>
        <translation>Не удалось открыть файл для импорта</translation>
    </message>
    <message>
        <source>File too large for Import (over 1 MiB): %1</source>
        <translation>Файл слишком велик для импорта (больше 1 MiB): %1</translation>
    </message>
    <message>
        <source>Settings too large for Import (over 1 MiB)</source>
        <translation>Настройки слишком велики для импорта (больше 1 MiB)</translation>
    </message>
    <message>
        <source>Not a Kavo settings file: it does not start with the &quot;#Created by&quot; header</source>
        <translation>Это не файл настроек Kavo: он не начинается с заголовка &quot;#Created by&quot;</translation>
    </message>
    <message>
        <source>No settings to import: the file holds no setting Kavo knows</source>
        <translation>Нечего импортировать: в файле нет настроек, известных Kavo</translation>
    </message>
    <message>
        <source>Settings not writable: the import was not saved</source>
        <translation>Не удалось записать настройки: импорт не сохранён</translation>
    </message>
    <message>
        <source>%1 settings imported</source>
        <translation>Импортировано настроек: %1</translation>
    </message>
    <message>
        <source>, %1 unknown keys ignored</source>
        <translation>, пропущено неизвестных ключей: %1</translation>
    </message>
    <message>
        <source>, %1 invalid lines skipped</source>
        <translation>, пропущено неверных строк: %1</translation>
    </message>
    <message>
        <source>%1 until work</source>
        <translation>%1 до работы</translation>
    </message>
    <message>
        <source>%1 until rest</source>
        <translation>%1 до перерыва</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in %2 minutes.</source>
        <translation>%1 напоминает: большой перерыв через %2 мин.</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in 30 seconds.</source>
        <translation>%1 напоминает: большой перерыв через 30 секунд.</translation>
    </message>
    <message>
        <source>Big rest incoming</source>
        <translation>Скоро большой перерыв</translation>
    </message>
    <message>
        <source>work</source>
        <translation>работы</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>Back to work</source>
        <translation>Вернуться к работе</translation>
    </message>
    <message>
        <source>Bend forward and let your arms hang loose.</source>
        <translation>Наклонитесь вперёд и свободно опустите руки.</translation>
    </message>
    <message>
        <source>Blink often: screens make us forget to.</source>
        <translation>Моргайте чаще: у экрана мы об этом забываем.</translation>
    </message>
    <message>
        <source>Blink quickly for a few seconds, then close your eyes.</source>
        <translation>Несколько секунд быстро поморгайте, затем закройте глаза.</translation>
    </message>
    <message>
        <source>Break is coming in %1</source>
        <translation>Перерыв через %1</translation>
    </message>
    <message>
        <source>Bring your chin to your chest and lift it back slowly.</source>
        <translation>Опустите подбородок к груди и медленно поднимите голову.</translation>
    </message>
    <message>
        <source>Close your eyes and breathe slowly.</source>
        <translation>Закройте глаза и медленно дышите.</translation>
    </message>
    <message>
        <source>Drink a glass of water.</source>
        <translation>Выпейте стакан воды.</translation>
    </message>
    <message>
        <source>Esc keeps the shortcut, Backspace removes it.</source>
        <translation>Esc оставляет сочетание, Backspace удаляет его.</translation>
    </message>
    <message>
        <source>Hide the camera picture</source>
        <translation>Скрыть изображение с камеры</translation>
    </message>
    <message>
        <source>Hold Ctrl, Alt or Meta with this key.</source>
        <translation>Удерживайте с этой клавишей Ctrl, Alt или Meta.</translation>
    </message>
    <message>
        <source>Kavo cannot use this key in a shortcut.</source>
        <translation>Kavo не может использовать эту клавишу в сочетании.</translation>
    </message>
    <message>
        <source>Look at something at least six metres away.</source>
        <translation>Посмотрите на предмет не ближе шести метров от вас.</translation>
    </message>
    <message>
        <source>Look at something far away, out of a window if you can.</source>
        <translation>Посмотрите на что-нибудь вдали, лучше в окно.</translation>
    </message>
    <message>
        <source>Look up, down, left and right, holding each for a breath.</source>
        <translation>Посмотрите вверх, вниз, влево и вправо, задерживая взгляд на один вдох.</translation>
    </message>
    <message>
        <source>Monitor %1</source>
        <translation>Монитор %1</translation>
    </message>
    <message>
        <source>Put your hands on your hips and lean back gently.</source>
        <translation>Положите руки на пояс и мягко прогнитесь назад.</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>Отдых</translation>
    </message>
    <message>
        <source>Roll your shoulders back a few times.</source>
        <translation>Несколько раз покрутите плечами назад.</translation>
    </message>
    <message>
        <source>Roll your shoulders back five times.</source>
        <translation>Пять раз покрутите плечами назад.</translation>
    </message>
    <message>
        <source>Show the camera picture</source>
        <translation>Показать изображение с камеры</translation>
    </message>
    <message>
        <source>Slowly roll your eyes in a circle, then the other way.</source>
        <translation>Медленно поводите глазами по кругу, затем в обратную сторону.</translation>
    </message>
    <message>
        <source>Stand up and reach both arms above your head.</source>
        <translation>Встаньте и поднимите обе руки над головой.</translation>
    </message>
    <message>
        <source>Stand up and stretch your arms above your head.</source>
        <translation>Встаньте и потянитесь руками вверх.</translation>
    </message>
    <message>
        <source>Step %1 / %2</source>
        <translation>Шаг %1 / %2</translation>
    </message>
    <message>
        <source>The camera is off</source>
        <translation>Камера выключена</translation>
    </message>
    <message>
        <source>Tilt your ear toward your shoulder on each side.</source>
        <translation>Наклоните голову ухом к плечу, сначала в одну сторону, потом в другую.</translation>
    </message>
    <message>
        <source>Turn your head slowly to the left and hold, then to the right.</source>
        <translation>Медленно поверните голову влево и задержитесь, затем вправо.</translation>
    </message>
    <message>
        <source>Twist your upper body slowly to each side.</source>
        <translation>Медленно поверните корпус в одну и в другую сторону.</translation>
    </message>
    <message>
        <source>blink detection is off</source>
        <translation>счёт морганий выключен</translation>
    </message>
    <message>
        <source>until work</source>
        <translation>до работы</translation>
    </message>
    <message>
        <source>Kavo Settings File (*.kavo_settings *.kavo)</source>
        <translation>Файл настроек Kavo (*.kavo_settings *.kavo)</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>Сохранить файл...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Открыть файл...</translation>
    </message>
    <message>
        <source>This window cannot be shown: Kavo&apos;s web part is missing.</source>
        <translation>Это окно нельзя показать: отсутствует веб-модуль Kavo.</translation>
    </message>
    <message>
        <source>Camera features are missing</source>
        <translation>Функции камеры отсутствуют</translation>
    </message>
    <message>
        <source>Settings cannot be saved</source>
        <translation>Не удаётся сохранить настройки</translation>
    </message>
    <message>
        <source>Wayland lets no program click for the user: the auto clicker is not available.</source>
        <translation>Wayland не позволяет программам щёлкать за пользователя: автокликер недоступен.</translation>
    </message>
    <message>
        <source>Wayland lets no program draw the mouse cursor: the software cursor is not available.</source>
        <translation>Wayland не позволяет программам рисовать курсор мыши: программный курсор недоступен.</translation>
    </message>
    <message>
        <source>Wayland gives ordinary programs no picture of the screen: effects that work on a picture while you are idle are not available.</source>
        <translation>Wayland не даёт обычным программам изображение экрана: эффекты, работающие с изображением, пока вы бездействуете, недоступны.</translation>
    </message>
    <message>
        <source>GNOME tells no program which window is in front (that needs a Shell extension): pausers and triggers cannot see programs.</source>
        <translation>GNOME не сообщает программам, какое окно на переднем плане (для этого нужно расширение Shell): паузы и цвета для программ не видят программ.</translation>
    </message>
    <message>
        <source>This compositor tells no program which window is in front: pausers and triggers cannot see programs.</source>
        <translation>Этот композитор не сообщает программам, какое окно на переднем плане: паузы и цвета для программ не видят программ.</translation>
    </message>
    <message>
        <source>This desktop does not say when you are idle: inactivity does not stop the timer.</source>
        <translation>Этот рабочий стол не сообщает, когда вы бездействуете: бездействие не останавливает таймер.</translation>
    </message>
    <message>
        <source>This desktop keeps keys to itself: bind each shortcut in the compositor&apos;s configuration, for example in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; or in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lists the actions).</source>
        <translation>Этот рабочий стол оставляет клавиши себе: назначьте каждое сочетание в настройках композитора, например в sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; или в Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help перечисляет действия).</translation>
    </message>
    <message>
        <source>This desktop lets no window lie over everything: the overlay&apos;s colour goes through the screen&apos;s colours, and the lightness spot is not shown.</source>
        <translation>Этот рабочий стол не позволяет окну лежать поверх всего: цвет наложения передаётся через цвета экрана, а световое пятно не показывается.</translation>
    </message>
    <message>
        <source>This desktop lets no program take the keyboard: strict breaks cannot keep other programs from keys.</source>
        <translation>Этот рабочий стол не позволяет программе захватить клавиатуру: строгие перерывы не могут отнять клавиши у других программ.</translation>
    </message>
    <message>
        <source>This desktop has no tray (no StatusNotifierWatcher): start Kavo again to open its window.</source>
        <translation>У этого рабочего стола нет области уведомлений (нет StatusNotifierWatcher): запустите Kavo ещё раз, чтобы открыть его окно.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Свой</translation>
    </message>
    <message>
        <source>&amp;Health</source>
        <translation>&amp;Здоровье</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>Со&amp;н</translation>
    </message>
    <message>
        <source>&amp;Gaming</source>
        <translation>&amp;Игры</translation>
    </message>
    <message>
        <source>&amp;Reading</source>
        <translation>&amp;Чтение</translation>
    </message>
    <message>
        <source>&amp;Programming</source>
        <translation>&amp;Программирование</translation>
    </message>
    <message>
        <source>&amp;Biohacker</source>
        <translation>&amp;Биохакер</translation>
    </message>
    <message>
        <source>&amp;Sunglasses</source>
        <translation>Со&amp;лнечные очки</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Тёмный</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>&amp;Кино</translation>
    </message>
    <message>
        <source>&amp;Overlay</source>
        <translation>Н&amp;аложение</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Пауза цвета</translation>
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
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>&amp;Change mode</source>
        <translation>С&amp;менить режим</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Автоматический</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Ручной</translation>
    </message>
    <message>
        <source>&amp;Paused</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>Stop auto clicker</source>
        <translation>Остановить автокликер</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>message_box</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
</TS>
