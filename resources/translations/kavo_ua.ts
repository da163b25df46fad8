<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This build of Kavo names no page with its changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This build of Kavo names no website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorTriggers</name>
    <message>
        <source>Line %1 is not &quot;program = temperature brightness&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cyclops</name>
    <message>
        <source>Restart your PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DebugConsoleWindow</name>
    <message>
        <source>Copy all</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DebugInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MagnificationApi</name>
    <message>
        <source>Kavo Color Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to initialize color effects.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestTimer</name>
    <message>
        <source>reminds you that a big rest will occur in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reminds you that a big rest will occur in 30 seconds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message>
        <source>sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskbarButton</name>
    <message>
        <source>Work/Break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> until work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> until rest</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransitionTimesInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detected current Clock time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day transition start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day transition end time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day end time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night transition start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night transition end time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night end time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day transition duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night transition duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Time zone offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunset time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New moon offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full moon offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current moon offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bedtime transition start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bedtime transition end time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bedtime end time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wake time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wake time transition start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wake time transition end time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wake time end time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep transition duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Automatic Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Manual Night Duration</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location unknown: set it by hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New version available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavo %1 is available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This build of Kavo names no update server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer from the update server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavo is up to date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 % leaves colours as they are; 0 % is grey.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cursor drawn in software takes on the screen colours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A window with Kavo&apos;s log as it is written. Click again to close it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Achromatomaly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allows values from 0 K (deep red) to 10000 K (cold blue).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allows values from 10 % to 150 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply the saturation above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask the update server once, whatever the settings above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autosave settings changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bedtime:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biohacker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block keyboard on strict mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness in daylight, in percent of the full screen brightness.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness of the sleep period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build this window only when it is first opened, which saves memory and start-up time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the monitors Kavo changes, and whether each has colours of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ClearType</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ClearType with alternative renderer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to copy the text to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closing the window hides it instead of minimising it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour temperature of the sleep period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day Transition:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug console</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees east; negative in the west.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees north; negative in the south.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desaturated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>During strict breaks the keyboard does nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each step enlarges the screen a little more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every language is named in its own words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extended values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fonts type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Moon offset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grayclase Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grayscale 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grayscale 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grayscale 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Taskbar icon on close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How Kavo fits into your desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How Kavo keeps its colours on the screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How Kavo keeps your settings and notices that you are away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How a colour temperature turns into screen colours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How bright the screen is by day and by night.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long colours glide when Kavo pauses, resumes or changes mode or type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much blue light the screen gives off by day and by night.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much earlier night and day begin at full moon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much earlier night and day begin at new moon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How often a running Kavo looks again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How slowly the colours change between day, night and sleep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the system smooths the edges of text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavo can look for a new version and tell you when one is out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavo follows the sun at your location. Without a location of your own it looks one up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and needs to relaunch for them to take effect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and restart is needed for changes to take effect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the night brightness all the time instead of following the sun.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the night value all the time instead of following the sun.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps Kavo light while it waits in the background.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard inactivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leading Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let Kavo set the frequency above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let Kavo tell you when a new version is out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magmus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage monitors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual blue light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual color settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual night duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse inactivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutes or strengthens the colours of the whole screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative Grayclased Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative Grayscale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative Sepia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Moon offset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>News, help and the latest version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night Transition:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night ends at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night starts at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No smoothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Olaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open or close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optimize UI Creation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PWM Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PWM Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PWM control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause Transition:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per Monitor Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview 24 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Productive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protanomaly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relaunch is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relaunch now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes when the window closes. Without it, closing the window brings back the saved settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send usage statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sephia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the frequency again with every colour update, for screens that lose it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simple Inversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simple view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep Transition:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart Inversion 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart Inversion 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart Inversion 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart Inversion 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart Inversion 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Kavo on startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Kavo when you log in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start and end the night by the clock instead of by the sun.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps back until the screen is at its normal size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes in this version of Kavo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour temperature of the screen by day and by night, and inverted colours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour that stays strongest at warm temperatures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The filter laid over the whole screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The highest frequency the slider offers, in hertz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of Kavo&apos;s windows, menus and messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sleep period ends here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sleep period starts here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table of colours Kavo follows from warm to cold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone offset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the chosen filter on or off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update continuously</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Advanced Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Gamma Fixer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use software mouse cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the coordinates below instead of the looked-up location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the sleep colours between bedtime and wake time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wake time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warmer, dimmer colours for the hours before you go to bed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Washout 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Washout 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Washout 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What to send with a request for help. Nothing leaves your computer unless you send it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where Kavo computes sunrise and sunset for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the desktop decides font smoothing itself, this choice has no effect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zooms the whole screen around the mouse pointer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hidden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>per minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>until</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A minute of exercises, shown step by step in the corner of your screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A program in front gets colours of its own: a film brighter, a reader warmer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A short tone in the last seconds before a rest and before work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A small window in the corner of the screen with the count and the camera picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artificial intelligence (AI)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto clicker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto close rest screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back exercises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blink detection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blink screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break is coming in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clicks the left mouse button where the pointer is, again and again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color triggers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour changes pause while one of these programs shows: for drawing, photos and films.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue when you are ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrease temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dim the screen a little while it shows bright content.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End screen overlay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eye exercises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fullscreen apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Have a rest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In front now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incoming break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert the colours while the screen shows mostly bright content.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavo listens to its shortcuts in every program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavo version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the screen as bright as the room around it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key combinations that reach Kavo from every program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look away from the screen and let your eyes relax.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look far, roll and blink: eyes that focus on a screen all day need it most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual or automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match brightness to lighting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Milliseconds between two clicks, at least 10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes of work, then seconds of rest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neck exercises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One program per line, named as it runs (gimp, blender). Add fullscreen after a name to pause only while it fills the screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (steam, supertux2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, mpv).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause colour changes while a listed program shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause colour changes while any program fills the screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause or resume Kavo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause or resume the timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postpone duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the new combination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs and colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Kavo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rest screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen effects on or off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow turns and tilts for a neck that held one position too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart inversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start screen overlay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop it here, from the tray menu or by quitting Kavo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the break timer while a listed program shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the break timer while any program fills the screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stretches you can do standing beside your desk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch the software cursor off while a listed program shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch the software cursor off while any program fills the screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ten seconds before a rest Kavo offers to move it by this many minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The break timer stops while one of these programs shows: films, presentations, calls.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The camera measures the room light and the brightness follows it, a little every second.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program you are using, as the lists name it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rest is over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The software cursor goes while one of these programs shows: games draw their own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a strict rest: it ends by itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time for a rest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the colours of the list while a listed program is in front.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the first camera for the room light and the blink count.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What covers your monitors during a rest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the shortcut does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>until rest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> seems wrong. Check the syntax or try with some other hidden feature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click again to reset every setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your spell:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hidden features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavo is switching to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavo will apply color changes to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kavo will not apply color changes to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move your settings to another computer, or keep a copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The spell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &quot;help&quot; to see the list of all hidden features :)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>succeeded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day Dim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day Opacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How dark the surroundings are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is at night.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is by day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much the layer covers the screen at night.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much the layer covers the screen by day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night Dim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night Opacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlay color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scarlet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen overlay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an area, then drag over the screen: the area stays clear. Escape cancels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the layer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the spot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour of the layer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The size of the bright spot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This effect shows at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Violet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the spot sits across the screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the spot sits down the screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>&amp;Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gaming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Programming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Biohacker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sunglasses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Overlay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Change mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>message_box</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
