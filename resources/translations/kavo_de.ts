<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Neuigkeiten</translation>
    </message>
    <message>
        <source>This build of Kavo names no page with its changes.</source>
        <translation>Dieser Kavo-Build nennt keine Seite mit seinen Änderungen.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>This build of Kavo names no website.</source>
        <translation>Dieser Kavo-Build nennt keine Website.</translation>
    </message>
    <message>
        <source>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</source>
        <translation>Dieser Desktop kann den Mauszeiger nicht per Software zeichnen: Der Zeiger bleibt, wie er ist.</translation>
    </message>
</context>
<context>
    <name>ColorTriggers</name>
    <message>
        <source>Line %1 is not &quot;program = temperature brightness&quot;: %2</source>
        <translation>Zeile %1 hat nicht die Form „Programm = Temperatur Helligkeit“: %2</translation>
    </message>
</context>
<context>
    <name>Cyclops</name>
    <message>
        <source>Restart your PC</source>
        <translation>Starten Sie den PC neu</translation>
    </message>
    <message>
        <source>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</source>
        <translation>Kavo hat eine kleine Änderung vorgenommen, um niedrigere Werte zu ermöglichen. Starten Sie den PC einmal neu, um alle Funktionen freizuschalten.</translation>
    </message>
    <message>
        <source>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</source>
        <translation>Einige Funktionen sind eingeschränkt, weil der PC neu gestartet werden muss. Derzeit wird die High-Level-Farb-API verwendet.</translation>
    </message>
</context>
<context>
    <name>DebugConsoleWindow</name>
    <message>
        <source>Copy all</source>
        <translation>Alles kopieren</translation>
    </message>
</context>
<context>
    <name>DebugInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>ZUM KOPIEREN IN DIE ZWISCHENABLAGE KLICKEN</translation>
    </message>
</context>
<context>
    <name>MagnificationApi</name>
    <message>
        <source>Kavo Color Effects</source>
        <translation>Kavo-Farbeffekte</translation>
    </message>
    <message>
        <source>Failed to initialize color effects.</source>
        <translation>Die Farbeffekte konnten nicht initialisiert werden.</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message>
        <source>sec</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>Std.</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Min.</translation>
    </message>
</context>
<context>
    <name>TaskbarButton</name>
    <message>
        <source>Work/Break</source>
        <translation>Arbeit/Pause</translation>
    </message>
    <message>
        <source>Reset timer</source>
        <translation>Timer zurücksetzen</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>Anhalten/Fortsetzen</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Timer angehalten</translation>
    </message>
</context>
<context>
    <name>TransitionTimesInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>ZUM KOPIEREN IN DIE ZWISCHENABLAGE KLICKEN</translation>
    </message>
    <message>
        <source>Detected current Clock time</source>
        <translation>Erkannte aktuelle Uhrzeit</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation>UTC-Zeit</translation>
    </message>
    <message>
        <source>Day start time</source>
        <translation>Tagesbeginn</translation>
    </message>
    <message>
        <source>Day transition start time</source>
        <translation>Beginn des Tagesübergangs</translation>
    </message>
    <message>
        <source>Day transition end time</source>
        <translation>Ende des Tagesübergangs</translation>
    </message>
    <message>
        <source>Day end time</source>
        <translation>Tagesende</translation>
    </message>
    <message>
        <source>Night start time</source>
        <translation>Nachtbeginn</translation>
    </message>
    <message>
        <source>Night transition start time</source>
        <translation>Beginn des Nachtübergangs</translation>
    </message>
    <message>
        <source>Night transition end time</source>
        <translation>Ende des Nachtübergangs</translation>
    </message>
    <message>
        <source>Night end time</source>
        <translation>Nachtende</translation>
    </message>
    <message>
        <source>Day duration</source>
        <translation>Tagesdauer</translation>
    </message>
    <message>
        <source>Day transition duration</source>
        <translation>Dauer des Tagesübergangs</translation>
    </message>
    <message>
        <source>Night duration</source>
        <translation>Nachtdauer</translation>
    </message>
    <message>
        <source>Night transition duration</source>
        <translation>Dauer des Nachtübergangs</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Custom Time zone offset</source>
        <translation>Eigener Zeitzonenversatz</translation>
    </message>
    <message>
        <source>Sunrise time</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sunset time</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>New moon offset</source>
        <translation>Neumondversatz</translation>
    </message>
    <message>
        <source>Full moon offset</source>
        <translation>Vollmondversatz</translation>
    </message>
    <message>
        <source>Current moon offset</source>
        <translation>Aktueller Mondversatz</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Schlafenszeit</translation>
    </message>
    <message>
        <source>Bedtime transition start time</source>
        <translation>Beginn des Übergangs zur Schlafenszeit</translation>
    </message>
    <message>
        <source>Bedtime transition end time</source>
        <translation>Ende des Übergangs zur Schlafenszeit</translation>
    </message>
    <message>
        <source>Bedtime end time</source>
        <translation>Ende der Schlafphase</translation>
    </message>
    <message>
        <source>Wake time</source>
        <translation>Aufwachzeit</translation>
    </message>
    <message>
        <source>Wake time transition start time</source>
        <translation>Beginn des Übergangs zur Aufwachzeit</translation>
    </message>
    <message>
        <source>Wake time transition end time</source>
        <translation>Ende des Übergangs zur Aufwachzeit</translation>
    </message>
    <message>
        <source>Wake time end time</source>
        <translation>Ende der Wachphase</translation>
    </message>
    <message>
        <source>Sleep duration</source>
        <translation>Schlafdauer</translation>
    </message>
    <message>
        <source>Sleep transition duration</source>
        <translation>Dauer des Schlafübergangs</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <source>Use Automatic Location</source>
        <translation>Automatischen Standort verwenden</translation>
    </message>
    <message>
        <source>Use Manual Night Duration</source>
        <translation>Manuelle Nachtdauer verwenden</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <source>Location unknown: set it by hand</source>
        <translation>Standort unbekannt: Bitte von Hand festlegen</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>Neue Version verfügbar</translation>
    </message>
    <message>
        <source>Kavo %1 is available</source>
        <translation>Kavo %1 ist verfügbar</translation>
    </message>
    <message>
        <source>This build of Kavo names no update server</source>
        <translation>Dieser Kavo-Build nennt keinen Update-Server</translation>
    </message>
    <message>
        <source>No answer from the update server</source>
        <translation>Keine Antwort vom Update-Server</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read</source>
        <translation>Die Antwort des Update-Servers konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Kavo is up to date</source>
        <translation>Kavo ist auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>100 % leaves colours as they are; 0 % is grey.</source>
        <translation>Bei 100 % bleiben die Farben, wie sie sind; 0 % ist grau.</translation>
    </message>
    <message>
        <source>A cursor drawn in software takes on the screen colours.</source>
        <translation>Ein per Software gezeichneter Mauszeiger übernimmt die Bildschirmfarben.</translation>
    </message>
    <message>
        <source>A window with Kavo&apos;s log as it is written. Click again to close it.</source>
        <translation>Ein Fenster mit Kavos Protokoll, während es geschrieben wird. Zum Schließen erneut klicken.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Kavo</translation>
    </message>
    <message>
        <source>Achromatomaly</source>
        <translation>Achromatomalie</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Achromatopsie</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Allows values from 0 K (deep red) to 10000 K (cold blue).</source>
        <translation>Erlaubt Werte von 0 K (tiefrot) bis 10000 K (kaltblau).</translation>
    </message>
    <message>
        <source>Allows values from 10 % to 150 %.</source>
        <translation>Erlaubt Werte von 10 % bis 150 %.</translation>
    </message>
    <message>
        <source>Apply the saturation above.</source>
        <translation>Die obige Sättigung anwenden.</translation>
    </message>
    <message>
        <source>Ask the update server once, whatever the settings above.</source>
        <translation>Einmal beim Update-Server nachfragen, unabhängig von den Einstellungen oben.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Automatische Updates</translation>
    </message>
    <message>
        <source>Autosave settings changes</source>
        <translation>Änderungen automatisch speichern</translation>
    </message>
    <message>
        <source>Bedtime:</source>
        <translation>Schlafenszeit:</translation>
    </message>
    <message>
        <source>Biohacker</source>
        <translation>Biohacker</translation>
    </message>
    <message>
        <source>Block keyboard on strict mode</source>
        <translation>Tastatur bei strengen Pausen sperren</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Blue light</source>
        <translation>Blaulicht</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</source>
        <translation>Helligkeit nach Sonnenuntergang. Ein dunklerer Bildschirm strengt die Augen in einem dunklen Raum weniger an.</translation>
    </message>
    <message>
        <source>Brightness in daylight, in percent of the full screen brightness.</source>
        <translation>Helligkeit bei Tag, in Prozent der vollen Bildschirmhelligkeit.</translation>
    </message>
    <message>
        <source>Brightness of the sleep period.</source>
        <translation>Helligkeit in der Schlafphase.</translation>
    </message>
    <message>
        <source>Build this window only when it is first opened, which saves memory and start-up time.</source>
        <translation>Dieses Fenster erst beim ersten Öffnen aufbauen; das spart Speicher und Startzeit.</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</source>
        <translation>Jede neue Farbrampe leicht verändern, damit ein Grafiktreiber, der eine wiederholte Rampe ignoriert, Kavos Farben wieder übernimmt, etwa nachdem ein Spiel sie zurückgesetzt hat.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Jetzt suchen</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Seiten auswählen</translation>
    </message>
    <message>
        <source>Choose the monitors Kavo changes, and whether each has colours of its own.</source>
        <translation>Wählen Sie, welche Monitore Kavo verändert und ob jeder eigene Farben erhält.</translation>
    </message>
    <message>
        <source>ClearType</source>
        <translation>ClearType</translation>
    </message>
    <message>
        <source>ClearType with alternative renderer</source>
        <translation>ClearType mit alternativem Renderer</translation>
    </message>
    <message>
        <source>Click to copy the text to the clipboard</source>
        <translation>Klicken, um den Text in die Zwischenablage zu kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Closing the window hides it instead of minimising it.</source>
        <translation>Beim Schließen wird das Fenster ausgeblendet statt minimiert.</translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation>Farbschema</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Farbtemperatur</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</source>
        <translation>Farbtemperatur nach Sonnenuntergang. Warmes Licht am Abend schont Ihren Schlaf.</translation>
    </message>
    <message>
        <source>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</source>
        <translation>Farbtemperatur bei Tag. 6500 K ist neutral; niedrigere Werte sind wärmer und enthalten weniger Blaulicht.</translation>
    </message>
    <message>
        <source>Colour temperature of the sleep period.</source>
        <translation>Farbtemperatur in der Schlafphase.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Day Brightness</source>
        <translation>Tageshelligkeit</translation>
    </message>
    <message>
        <source>Day Light</source>
        <translation>Tageslicht</translation>
    </message>
    <message>
        <source>Day Temperature</source>
        <translation>Tagestemperatur</translation>
    </message>
    <message>
        <source>Day Transition:</source>
        <translation>Tagesübergang:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Debug console</source>
        <translation>Debug-Konsole</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>Debug-Informationen</translation>
    </message>
    <message>
        <source>Degrees east; negative in the west.</source>
        <translation>Grad Ost; im Westen negativ.</translation>
    </message>
    <message>
        <source>Degrees north; negative in the south.</source>
        <translation>Grad Nord; im Süden negativ.</translation>
    </message>
    <message>
        <source>Desaturated</source>
        <translation>Entsättigt</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>Deuteranomalie</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deuteranopie</translation>
    </message>
    <message>
        <source>During strict breaks the keyboard does nothing.</source>
        <translation>Während strenger Pausen bleibt die Tastatur wirkungslos.</translation>
    </message>
    <message>
        <source>Each step enlarges the screen a little more.</source>
        <translation>Jeder Schritt vergrößert den Bildschirm ein wenig mehr.</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Every language is named in its own words.</source>
        <translation>Jede Sprache ist in ihrer eigenen Sprache benannt.</translation>
    </message>
    <message>
        <source>Extended values</source>
        <translation>Erweiterte Werte</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>Fonts type</source>
        <translation>Schriftglättung</translation>
    </message>
    <message>
        <source>Full Moon offset:</source>
        <translation>Vollmondversatz:</translation>
    </message>
    <message>
        <source>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</source>
        <translation>Farbfilter für den ganzen Bildschirm: Graustufen, Invertierungen, Sepia und Filter für Farbsehschwächen.</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>Gaming</translation>
    </message>
    <message>
        <source>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</source>
        <translation>Jeder Monitor erhält eigene Temperatur und Helligkeit; den Monitor wählen Sie oben über die Reiter.</translation>
    </message>
    <message>
        <source>Grayclase Red</source>
        <translation>Graustufen in Rot</translation>
    </message>
    <message>
        <source>Grayscale 1</source>
        <translation>Graustufen 1</translation>
    </message>
    <message>
        <source>Grayscale 2</source>
        <translation>Graustufen 2</translation>
    </message>
    <message>
        <source>Grayscale 3</source>
        <translation>Graustufen 3</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Groot</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Gesundheit</translation>
    </message>
    <message>
        <source>Hide Taskbar icon on close</source>
        <translation>Taskleistensymbol beim Schließen ausblenden</translation>
    </message>
    <message>
        <source>How Kavo fits into your desktop.</source>
        <translation>Wie sich Kavo in Ihren Desktop einfügt.</translation>
    </message>
    <message>
        <source>How Kavo keeps its colours on the screen.</source>
        <translation>Wie Kavo seine Farben auf dem Bildschirm hält.</translation>
    </message>
    <message>
        <source>How Kavo keeps your settings and notices that you are away.</source>
        <translation>Wie Kavo Ihre Einstellungen speichert und bemerkt, dass Sie abwesend sind.</translation>
    </message>
    <message>
        <source>How a colour temperature turns into screen colours.</source>
        <translation>Wie aus einer Farbtemperatur Bildschirmfarben werden.</translation>
    </message>
    <message>
        <source>How bright the screen is by day and by night.</source>
        <translation>Wie hell der Bildschirm bei Tag und bei Nacht ist.</translation>
    </message>
    <message>
        <source>How long colours glide when Kavo pauses, resumes or changes mode or type.</source>
        <translation>Wie lange der Farbwechsel dauert, wenn Kavo pausiert, fortfährt oder Modus oder Typ wechselt.</translation>
    </message>
    <message>
        <source>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</source>
        <translation>Wie lange der Übergang zum Tag dauert: mittig um den Sonnenaufgang oder bis zum Nachtende nach der Uhr.</translation>
    </message>
    <message>
        <source>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</source>
        <translation>Wie lange der Übergang zur Nacht dauert: mittig um den Sonnenuntergang oder bis zum Nachtbeginn nach der Uhr.</translation>
    </message>
    <message>
        <source>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</source>
        <translation>Wie lange die Übergänge in die Schlafphase und aus ihr heraus dauern; sie enden zur Schlafenszeit und zur Aufwachzeit.</translation>
    </message>
    <message>
        <source>How much blue light the screen gives off by day and by night.</source>
        <translation>Wie viel Blaulicht der Bildschirm bei Tag und bei Nacht abgibt.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at full moon.</source>
        <translation>Um wie viel früher Nacht und Tag bei Vollmond beginnen.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at new moon.</source>
        <translation>Um wie viel früher Nacht und Tag bei Neumond beginnen.</translation>
    </message>
    <message>
        <source>How often a running Kavo looks again.</source>
        <translation>Wie oft Kavo im laufenden Betrieb erneut nachsieht.</translation>
    </message>
    <message>
        <source>How slowly the colours change between day, night and sleep.</source>
        <translation>Wie langsam die Farben zwischen Tag, Nacht und Schlaf wechseln.</translation>
    </message>
    <message>
        <source>How the system smooths the edges of text.</source>
        <translation>Wie das System die Kanten von Schrift glättet.</translation>
    </message>
    <message>
        <source>Invert colors</source>
        <translation>Farben invertieren</translation>
    </message>
    <message>
        <source>Kavo</source>
        <translation>Kavo</translation>
    </message>
    <message>
        <source>Kavo can look for a new version and tell you when one is out.</source>
        <translation>Kavo kann nach einer neuen Version suchen und Ihnen Bescheid geben, sobald eine erschienen ist.</translation>
    </message>
    <message>
        <source>Kavo follows the sun at your location. Without a location of your own it looks one up.</source>
        <translation>Kavo folgt der Sonne an Ihrem Standort. Ist kein eigener Standort angegeben, ermittelt Kavo ihn selbst.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and needs to relaunch for them to take effect.</source>
        <translation>Kavo hat Änderungen an Ihrem System vorgenommen und muss neu gestartet werden, damit sie wirksam werden.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and restart is needed for changes to take effect.</source>
        <translation>Kavo hat Änderungen an Ihrem System vorgenommen. Damit sie wirksam werden, muss der Computer neu gestartet werden.</translation>
    </message>
    <message>
        <source>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</source>
        <translation>Kavo schont Ihre Augen: sanftere Farben in der Nacht und Erinnerungen an Pausen.</translation>
    </message>
    <message>
        <source>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</source>
        <translation>Kavos Version, Ihr System und Desktop sowie alle Einstellungen. Klicken Sie auf den Text, um ihn zu kopieren.</translation>
    </message>
    <message>
        <source>Keep the night brightness all the time instead of following the sun.</source>
        <translation>Immer die Nachthelligkeit verwenden, statt der Sonne zu folgen.</translation>
    </message>
    <message>
        <source>Keep the night value all the time instead of following the sun.</source>
        <translation>Immer den Nachtwert verwenden, statt der Sonne zu folgen.</translation>
    </message>
    <message>
        <source>Keeps Kavo light while it waits in the background.</source>
        <translation>Hält Kavo schlank, während es im Hintergrund wartet.</translation>
    </message>
    <message>
        <source>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</source>
        <translation>Tastendrücke gelten als Anwesenheit: Der Pausentimer hält nach etwa 20 Minuten ohne Tastendruck an und läuft wieder an, sobald Sie zurück sind.</translation>
    </message>
    <message>
        <source>Keyboard inactivity</source>
        <translation>Tastatur-Inaktivität</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Breitengrad:</translation>
    </message>
    <message>
        <source>Leading Color</source>
        <translation>Leitfarbe</translation>
    </message>
    <message>
        <source>Let Kavo set the frequency above.</source>
        <translation>Kavo die obige Frequenz einstellen lassen.</translation>
    </message>
    <message>
        <source>Let Kavo tell you when a new version is out.</source>
        <translation>Kavo meldet sich, wenn eine neue Version erschienen ist.</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Linear Blue</source>
        <translation>Linear Blau</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Längengrad:</translation>
    </message>
    <message>
        <source>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</source>
        <translation>Beim Start von Kavo und danach regelmäßig nach einer neuen Version suchen. Wird mit den anderen Einstellungen gespeichert.</translation>
    </message>
    <message>
        <source>Look now</source>
        <translation>Jetzt nachsehen</translation>
    </message>
    <message>
        <source>Magmus</source>
        <translation>Magmus</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>Bildschirmlupe</translation>
    </message>
    <message>
        <source>Manage monitors</source>
        <translation>Monitore verwalten</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Manual Brightness</source>
        <translation>Manuelle Helligkeit</translation>
    </message>
    <message>
        <source>Manual blue light</source>
        <translation>Manuelles Blaulicht</translation>
    </message>
    <message>
        <source>Manual color settings</source>
        <translation>Manuelle Farbeinstellungen</translation>
    </message>
    <message>
        <source>Manual location</source>
        <translation>Manueller Standort</translation>
    </message>
    <message>
        <source>Manual night duration</source>
        <translation>Manuelle Nachtdauer</translation>
    </message>
    <message>
        <source>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</source>
        <translation>Viele Bildschirme dimmen ihre Hintergrundbeleuchtung, indem sie sie sehr schnell ein- und ausschalten (PWM). Eine höhere Frequenz flimmert weniger.</translation>
    </message>
    <message>
        <source>Max Frequency</source>
        <translation>Höchstfrequenz</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Monitor 1</source>
        <translation>Monitor 1</translation>
    </message>
    <message>
        <source>Monitor 2</source>
        <translation>Monitor 2</translation>
    </message>
    <message>
        <source>Monitor 3</source>
        <translation>Monitor 3</translation>
    </message>
    <message>
        <source>Monitor 4</source>
        <translation>Monitor 4</translation>
    </message>
    <message>
        <source>Monitor 5</source>
        <translation>Monitor 5</translation>
    </message>
    <message>
        <source>Monitor 6</source>
        <translation>Monitor 6</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Mouse inactivity</source>
        <translation>Maus-Inaktivität</translation>
    </message>
    <message>
        <source>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</source>
        <translation>Mausbewegungen gelten als Anwesenheit: Der Pausentimer hält nach etwa 20 Minuten ohne Bewegung an und läuft wieder an, sobald Sie zurück sind.</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Mutes or strengthens the colours of the whole screen.</source>
        <translation>Dämpft oder verstärkt die Farben des ganzen Bildschirms.</translation>
    </message>
    <message>
        <source>Negative Grayclased Red</source>
        <translation>Negative Graustufen in Rot</translation>
    </message>
    <message>
        <source>Negative Grayscale</source>
        <translation>Negative Graustufen</translation>
    </message>
    <message>
        <source>Negative Sepia</source>
        <translation>Negatives Sepia</translation>
    </message>
    <message>
        <source>New Moon offset:</source>
        <translation>Neumondversatz:</translation>
    </message>
    <message>
        <source>News, help and the latest version.</source>
        <translation>Neuigkeiten, Hilfe und die neueste Version.</translation>
    </message>
    <message>
        <source>Night Brightness</source>
        <translation>Nachthelligkeit</translation>
    </message>
    <message>
        <source>Night Light</source>
        <translation>Nachtlicht</translation>
    </message>
    <message>
        <source>Night Temperature</source>
        <translation>Nachttemperatur</translation>
    </message>
    <message>
        <source>Night Transition:</source>
        <translation>Nachtübergang:</translation>
    </message>
    <message>
        <source>Night ends at:</source>
        <translation>Nacht endet um:</translation>
    </message>
    <message>
        <source>Night starts at:</source>
        <translation>Nacht beginnt um:</translation>
    </message>
    <message>
        <source>No smoothing</source>
        <translation>Keine Glättung</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</source>
        <translation>Wird in den Übergangszeiten unten vermerkt; der Sonnenzeitplan selbst folgt der Zeitzone Ihres Systems.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Olaf</source>
        <translation>Olaf</translation>
    </message>
    <message>
        <source>Old Photo</source>
        <translation>Altes Foto</translation>
    </message>
    <message>
        <source>Open or close</source>
        <translation>Öffnen oder schließen</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Website öffnen</translation>
    </message>
    <message>
        <source>Optimize UI Creation</source>
        <translation>Oberflächenaufbau optimieren</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Overlay</translation>
    </message>
    <message>
        <source>PWM Control</source>
        <translation>PWM-Steuerung</translation>
    </message>
    <message>
        <source>PWM Frequency</source>
        <translation>PWM-Frequenz</translation>
    </message>
    <message>
        <source>PWM control</source>
        <translation>PWM-Steuerung</translation>
    </message>
    <message>
        <source>Pause Transition:</source>
        <translation>Übergang beim Pausieren:</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Per Monitor Settings</source>
        <translation>Einstellungen pro Monitor</translation>
    </message>
    <message>
        <source>Preview 24 hours</source>
        <translation>24-Stunden-Vorschau</translation>
    </message>
    <message>
        <source>Productive</source>
        <translation>Produktiv</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programmieren</translation>
    </message>
    <message>
        <source>Protanomaly</source>
        <translation>Protanomalie</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Relaunch is needed</source>
        <translation>Neustart von Kavo nötig</translation>
    </message>
    <message>
        <source>Relaunch now</source>
        <translation>Jetzt neu starten</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Restart is needed</source>
        <translation>Neustart des Computers nötig</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Jetzt neu starten</translation>
    </message>
    <message>
        <source>Revert colors</source>
        <translation>Farben wiederherstellen</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>Speichern und schließen</translation>
    </message>
    <message>
        <source>Save changes when the window closes. Without it, closing the window brings back the saved settings.</source>
        <translation>Änderungen beim Schließen des Fensters speichern. Andernfalls stellt das Schließen die gespeicherten Einstellungen wieder her.</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>Screen effect</source>
        <translation>Bildschirmeffekt</translation>
    </message>
    <message>
        <source>Screen effects</source>
        <translation>Bildschirmeffekte</translation>
    </message>
    <message>
        <source>Send usage statistics</source>
        <translation>Nutzungsstatistiken senden</translation>
    </message>
    <message>
        <source>Sephia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Set the frequency again with every colour update, for screens that lose it.</source>
        <translation>Die Frequenz bei jeder Farbaktualisierung erneut setzen, für Bildschirme, die sie verlieren.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Änderungen anzeigen</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Simple Inversion</source>
        <translation>Einfache Invertierung</translation>
    </message>
    <message>
        <source>Simple view</source>
        <translation>Einfache Ansicht</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Schlaf</translation>
    </message>
    <message>
        <source>Sleep Brightness</source>
        <translation>Schlafhelligkeit</translation>
    </message>
    <message>
        <source>Sleep Light</source>
        <translation>Schlaflicht</translation>
    </message>
    <message>
        <source>Sleep Transition:</source>
        <translation>Schlafübergang:</translation>
    </message>
    <message>
        <source>Smart Inversion 1</source>
        <translation>Intelligente Invertierung 1</translation>
    </message>
    <message>
        <source>Smart Inversion 2</source>
        <translation>Intelligente Invertierung 2</translation>
    </message>
    <message>
        <source>Smart Inversion 3</source>
        <translation>Intelligente Invertierung 3</translation>
    </message>
    <message>
        <source>Smart Inversion 4</source>
        <translation>Intelligente Invertierung 4</translation>
    </message>
    <message>
        <source>Smart Inversion 5</source>
        <translation>Intelligente Invertierung 5</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Start Kavo on startup</source>
        <translation>Kavo automatisch starten</translation>
    </message>
    <message>
        <source>Start Kavo when you log in.</source>
        <translation>Kavo bei der Anmeldung starten.</translation>
    </message>
    <message>
        <source>Start and end the night by the clock instead of by the sun.</source>
        <translation>Die Nacht nach der Uhr statt nach der Sonne beginnen und enden lassen.</translation>
    </message>
    <message>
        <source>Steps back until the screen is at its normal size.</source>
        <translation>Verkleinert schrittweise, bis der Bildschirm wieder seine normale Größe hat.</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>Streng</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Sonnenbrille</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Farben tauschen</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>The changes in this version of Kavo.</source>
        <translation>Die Änderungen in dieser Version von Kavo.</translation>
    </message>
    <message>
        <source>The colour temperature of the screen by day and by night, and inverted colours.</source>
        <translation>Die Farbtemperatur des Bildschirms bei Tag und bei Nacht sowie invertierte Farben.</translation>
    </message>
    <message>
        <source>The colour that stays strongest at warm temperatures.</source>
        <translation>Die Farbe, die bei warmen Temperaturen am stärksten bleibt.</translation>
    </message>
    <message>
        <source>The filter laid over the whole screen.</source>
        <translation>Der Filter, der über dem ganzen Bildschirm liegt.</translation>
    </message>
    <message>
        <source>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</source>
        <translation>Die Frequenz, die Kavo bei eingeschalteter PWM-Steuerung einstellt. Welche Frequenzen Ihr Bildschirm unterstützt, erfahren Sie beim Hersteller.</translation>
    </message>
    <message>
        <source>The highest frequency the slider offers, in hertz.</source>
        <translation>Die höchste Frequenz, die der Schieberegler anbietet, in Hertz.</translation>
    </message>
    <message>
        <source>The language of Kavo&apos;s windows, menus and messages.</source>
        <translation>Die Sprache von Kavos Fenstern, Menüs und Meldungen.</translation>
    </message>
    <message>
        <source>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</source>
        <translation>Der Mond verschiebt den Sonnenzeitplan: Nacht und Tag beginnen um einen Versatz früher, der mit zunehmendem Mond vom Neumondwert zum Vollmondwert übergeht.</translation>
    </message>
    <message>
        <source>The sleep period ends here.</source>
        <translation>Hier endet die Schlafphase.</translation>
    </message>
    <message>
        <source>The sleep period starts here.</source>
        <translation>Hier beginnt die Schlafphase.</translation>
    </message>
    <message>
        <source>The table of colours Kavo follows from warm to cold.</source>
        <translation>Die Farbtabelle, der Kavo von warm bis kalt folgt.</translation>
    </message>
    <message>
        <source>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</source>
        <translation>Dieser Bildschirm bietet Kavo keine PWM-Steuerung: Das Hilfsprogramm kavo_get_pwm_frequency fehlt oder meldet keine Frequenz.</translation>
    </message>
    <message>
        <source>This desktop offers Kavo no backlight: the screen&apos;s brightness stays as it is.</source>
        <translation>Diese Arbeitsumgebung bietet Kavo keine Hintergrundbeleuchtung: Die Helligkeit des Bildschirms bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>This desktop&apos;s night light shows only the colour temperature: colour schemes, the leading colour and screen effects need gamma ramps.</source>
        <translation>Das Nachtlicht dieser Arbeitsumgebung zeigt nur die Farbtemperatur: Farbschemata, die Leitfarbe und Bildschirmeffekte brauchen Gamma-Rampen.</translation>
    </message>
    <message>
        <source>Time zone offset:</source>
        <translation>Zeitzonenversatz:</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Übergang</translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation>Tritanomalie</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopie</translation>
    </message>
    <message>
        <source>Turn the chosen filter on or off.</source>
        <translation>Den gewählten Filter ein- oder ausschalten.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Update continuously</source>
        <translation>Ständig aktualisieren</translation>
    </message>
    <message>
        <source>Use Advanced Settings</source>
        <translation>Erweiterte Einstellungen verwenden</translation>
    </message>
    <message>
        <source>Use Gamma Fixer</source>
        <translation>Gamma-Fixer verwenden</translation>
    </message>
    <message>
        <source>Use software mouse cursor</source>
        <translation>Software-Mauszeiger verwenden</translation>
    </message>
    <message>
        <source>Use the coordinates below instead of the looked-up location.</source>
        <translation>Die Koordinaten unten statt des ermittelten Standorts verwenden.</translation>
    </message>
    <message>
        <source>Use the sleep colours between bedtime and wake time.</source>
        <translation>Zwischen Schlafenszeit und Aufwachzeit die Schlaffarben verwenden.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Wake time:</source>
        <translation>Aufwachzeit:</translation>
    </message>
    <message>
        <source>Warmer, dimmer colours for the hours before you go to bed.</source>
        <translation>Wärmere, gedämpftere Farben für die Stunden vor dem Schlafengehen.</translation>
    </message>
    <message>
        <source>Washout 1</source>
        <translation>Verblasst 1</translation>
    </message>
    <message>
        <source>Washout 2</source>
        <translation>Verblasst 2</translation>
    </message>
    <message>
        <source>Washout 3</source>
        <translation>Verblasst 3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Neuigkeiten</translation>
    </message>
    <message>
        <source>What to send with a request for help. Nothing leaves your computer unless you send it.</source>
        <translation>Was Sie einer Bitte um Hilfe beifügen können. Nichts verlässt Ihren Computer, solange Sie es nicht selbst senden.</translation>
    </message>
    <message>
        <source>Where Kavo computes sunrise and sunset for.</source>
        <translation>Der Ort, für den Kavo Sonnenaufgang und Sonnenuntergang berechnet.</translation>
    </message>
    <message>
        <source>Where the desktop decides font smoothing itself, this choice has no effect.</source>
        <translation>Wo der Desktop die Schriftglättung selbst bestimmt, hat diese Auswahl keine Wirkung.</translation>
    </message>
    <message>
        <source>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</source>
        <translation>Welche Seiten und Fenster Sie öffnen, jedes Mal unter einer neuen Zufallsnummer, nie Ihr Name oder Ihre Adresse. Nur wenn dieser Kavo-Build eine Statistikadresse nennt.</translation>
    </message>
    <message>
        <source>Zoom In:</source>
        <translation>Vergrößern:</translation>
    </message>
    <message>
        <source>Zoom Out:</source>
        <translation>Verkleinern:</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zooms the whole screen around the mouse pointer.</source>
        <translation>Vergrößert den ganzen Bildschirm rund um den Mauszeiger.</translation>
    </message>
    <message>
        <source>day</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>ausgeblendet</translation>
    </message>
    <message>
        <source>month</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>per minute</source>
        <translation>pro Minute</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>angezeigt</translation>
    </message>
    <message>
        <source>until</source>
        <translation>bis zur</translation>
    </message>
    <message>
        <source>week</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>A minute of exercises, shown step by step in the corner of your screen.</source>
        <translation>Eine Minute Übungen, Schritt für Schritt in der Bildschirmecke gezeigt.</translation>
    </message>
    <message>
        <source>A program in front gets colours of its own: a film brighter, a reader warmer.</source>
        <translation>Ein Programm im Vordergrund erhält eigene Farben: hellere für einen Film, wärmere zum Lesen.</translation>
    </message>
    <message>
        <source>A short tone in the last seconds before a rest and before work.</source>
        <translation>Ein kurzer Ton in den letzten Sekunden vor einer Pause und vor der Arbeit.</translation>
    </message>
    <message>
        <source>A small window in the corner of the screen with the count and the camera picture.</source>
        <translation>Ein kleines Fenster in der Bildschirmecke mit der Zählung und dem Kamerabild.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Artificial intelligence (AI)</source>
        <translation>Künstliche Intelligenz (KI)</translation>
    </message>
    <message>
        <source>Auto clicker</source>
        <translation>Autoklicker</translation>
    </message>
    <message>
        <source>Auto close rest screen</source>
        <translation>Pausenbildschirm automatisch schließen</translation>
    </message>
    <message>
        <source>Automatic brightness</source>
        <translation>Automatische Helligkeit</translation>
    </message>
    <message>
        <source>Back exercises</source>
        <translation>Rückenübungen</translation>
    </message>
    <message>
        <source>Blink detection</source>
        <translation>Blinzelerkennung</translation>
    </message>
    <message>
        <source>Blink screen</source>
        <translation>Blinzelanzeige</translation>
    </message>
    <message>
        <source>Break every</source>
        <translation>Pause alle</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Pausen</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>Klickt</translation>
    </message>
    <message>
        <source>Clicks the left mouse button where the pointer is, again and again.</source>
        <translation>Klickt immer wieder mit der linken Maustaste an der Stelle des Mauszeigers.</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Farben pausieren</translation>
    </message>
    <message>
        <source>Color triggers</source>
        <translation>Farbauslöser</translation>
    </message>
    <message>
        <source>Colour changes pause while one of these programs shows: for drawing, photos and films.</source>
        <translation>Farbänderungen pausieren, solange eines dieser Programme zu sehen ist: für Zeichnungen, Fotos und Filme.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Continue when you are ready.</source>
        <translation>Fahren Sie fort, wenn Sie bereit sind.</translation>
    </message>
    <message>
        <source>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</source>
        <translation>Zählt, wie oft Sie pro Minute blinzeln. Wer auf einen Bildschirm starrt, blinzelt seltener; die Zählung erinnert Sie daran.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</source>
        <translation>Ctrl+Alt+Shift+F10 setzt alle Einstellungen zurück, Ctrl+Alt+Shift+F11 beendet Kavo und Ctrl+Alt+Shift+F12 setzt die Farben zurück, unabhängig von den Tastenkürzeln oben.</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>Helligkeit verringern</translation>
    </message>
    <message>
        <source>Decrease temperature</source>
        <translation>Temperatur verringern</translation>
    </message>
    <message>
        <source>Dim the screen a little while it shows bright content.</source>
        <translation>Den Bildschirm etwas abdunkeln, solange er helle Inhalte zeigt.</translation>
    </message>
    <message>
        <source>End screen overlay</source>
        <translation>Bildschirm-Overlay beenden</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Eye exercises</source>
        <translation>Augenübungen</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Fullscreen apps</source>
        <translation>Vollbildanwendungen</translation>
    </message>
    <message>
        <source>Have a rest</source>
        <translation>Pause machen</translation>
    </message>
    <message>
        <source>In front now</source>
        <translation>Jetzt im Vordergrund</translation>
    </message>
    <message>
        <source>Incoming break</source>
        <translation>Pause steht bevor</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>Helligkeit erhöhen</translation>
    </message>
    <message>
        <source>Increase temperature</source>
        <translation>Temperatur erhöhen</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Invert the colours while the screen shows mostly bright content.</source>
        <translation>Die Farben invertieren, solange der Bildschirm überwiegend helle Inhalte zeigt.</translation>
    </message>
    <message>
        <source>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</source>
        <translation>Kavo passt den Bildschirm an den Raum und an seine Inhalte an. Kamerabilder und Bildschirmfotos werden nur gemessen und gleich wieder verworfen; gespeichert oder gesendet werden sie nie.</translation>
    </message>
    <message>
        <source>Kavo listens to its shortcuts in every program.</source>
        <translation>Kavo reagiert in jedem Programm auf seine Tastenkürzel.</translation>
    </message>
    <message>
        <source>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</source>
        <translation>Kavo erinnert Sie daran, Ihren Augen Ruhe zu gönnen: eine kurze Pause nach jedem Arbeitsabschnitt.</translation>
    </message>
    <message>
        <source>Kavo version</source>
        <translation>Kavo-Version</translation>
    </message>
    <message>
        <source>Keep the screen as bright as the room around it.</source>
        <translation>Den Bildschirm so hell halten wie den Raum um ihn herum.</translation>
    </message>
    <message>
        <source>Key combinations that reach Kavo from every program.</source>
        <translation>Tastenkombinationen, die Kavo aus jedem Programm heraus erreichen.</translation>
    </message>
    <message>
        <source>Lite</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</source>
        <translation>Leicht ist ein schlichter dunkler Schleier mit der verbleibenden Zeit. Einfach und Standard sind ganze Seiten; Standard zeigt zusätzlich die Uhr und eine Idee für Ihre Pause.</translation>
    </message>
    <message>
        <source>Look away from the screen and let your eyes relax.</source>
        <translation>Schauen Sie vom Bildschirm weg und lassen Sie Ihre Augen entspannen.</translation>
    </message>
    <message>
        <source>Look far, roll and blink: eyes that focus on a screen all day need it most.</source>
        <translation>In die Ferne schauen, Augen rollen und blinzeln: Augen, die den ganzen Tag auf einen Bildschirm blicken, brauchen das am meisten.</translation>
    </message>
    <message>
        <source>Manual or automatic</source>
        <translation>Manuell oder automatisch</translation>
    </message>
    <message>
        <source>Match brightness to lighting</source>
        <translation>Helligkeit an die Beleuchtung anpassen</translation>
    </message>
    <message>
        <source>Milliseconds between two clicks, at least 10.</source>
        <translation>Millisekunden zwischen zwei Klicks, mindestens 10.</translation>
    </message>
    <message>
        <source>Minutes of work, then seconds of rest.</source>
        <translation>Minuten Arbeit, dann Sekunden Pause.</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Mauszeiger pausieren</translation>
    </message>
    <message>
        <source>Neck exercises</source>
        <translation>Nackenübungen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</source>
        <translation>Normale Pausen lassen sich überspringen, strenge nicht. Produktiv zeigt einen kleinen Countdown, statt den Bildschirm zu verdecken.</translation>
    </message>
    <message>
        <source>One program per line, named as it runs (vlc, kmplayer). Add fullscreen after a name to pause only while it fills the screen.</source>
        <translation>Ein Programm pro Zeile, mit seinem Prozessnamen (vlc, kmplayer). Schreiben Sie fullscreen hinter einen Namen, um nur zu pausieren, solange das Programm den Bildschirm füllt.</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, bsplayer).</source>
        <translation>Ein Programm pro Zeile, genau mit seinem Prozessnamen (vlc, bsplayer).</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, kmplayer).</source>
        <translation>Ein Programm pro Zeile, genau mit seinem Prozessnamen (vlc, kmplayer).</translation>
    </message>
    <message>
        <source>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</source>
        <translation>Ein Programm pro Zeile: Name = Temperatur Helligkeit, zum Beispiel vlc = 6500 120. Temperatur 0 bis 10000 K, Helligkeit 10 bis 150 %.</translation>
    </message>
    <message>
        <source>Pause colour changes while a listed program shows.</source>
        <translation>Farbänderungen pausieren, solange ein aufgeführtes Programm zu sehen ist.</translation>
    </message>
    <message>
        <source>Pause colour changes while any program fills the screen.</source>
        <translation>Farbänderungen pausieren, solange irgendein Programm den Bildschirm füllt.</translation>
    </message>
    <message>
        <source>Pause or resume Kavo</source>
        <translation>Kavo anhalten oder fortsetzen</translation>
    </message>
    <message>
        <source>Pause or resume the timer</source>
        <translation>Timer anhalten oder fortsetzen</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Postpone duration</source>
        <translation>Aufschub</translation>
    </message>
    <message>
        <source>Press the new combination</source>
        <translation>Neue Kombination drücken</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Programs and colours</source>
        <translation>Programme und Farben</translation>
    </message>
    <message>
        <source>Quit Kavo</source>
        <translation>Kavo beenden</translation>
    </message>
    <message>
        <source>Rest screen</source>
        <translation>Pausenbildschirm</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Screen effects on or off</source>
        <translation>Bildschirmeffekte ein/aus</translation>
    </message>
    <message>
        <source>Overlays</source>
        <translation>Overlays</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensoren</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Slow turns and tilts for a neck that held one position too long.</source>
        <translation>Langsames Drehen und Neigen für einen Nacken, der zu lange in einer Haltung war.</translation>
    </message>
    <message>
        <source>Smart brightness</source>
        <translation>Intelligente Helligkeit</translation>
    </message>
    <message>
        <source>Smart inversion</source>
        <translation>Intelligente Invertierung</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Start a break</source>
        <translation>Pause starten</translation>
    </message>
    <message>
        <source>Start screen overlay</source>
        <translation>Bildschirm-Overlay starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Stop it here, from the tray menu or by quitting Kavo.</source>
        <translation>Stoppen Sie ihn hier, über das Menü im Infobereich oder durch Beenden von Kavo.</translation>
    </message>
    <message>
        <source>Stop the break timer while a listed program shows.</source>
        <translation>Den Pausentimer anhalten, solange ein aufgeführtes Programm zu sehen ist.</translation>
    </message>
    <message>
        <source>Stop the break timer while any program fills the screen.</source>
        <translation>Den Pausentimer anhalten, solange irgendein Programm den Bildschirm füllt.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Stretches you can do standing beside your desk.</source>
        <translation>Dehnübungen, die Sie im Stehen neben Ihrem Schreibtisch machen können.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while a listed program shows.</source>
        <translation>Den Software-Mauszeiger ausschalten, solange ein aufgeführtes Programm zu sehen ist.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while any program fills the screen.</source>
        <translation>Den Software-Mauszeiger ausschalten, solange irgendein Programm den Bildschirm füllt.</translation>
    </message>
    <message>
        <source>Ten seconds before a rest Kavo offers to move it by this many minutes.</source>
        <translation>Zehn Sekunden vor einer Pause bietet Kavo an, sie um so viele Minuten zu verschieben.</translation>
    </message>
    <message>
        <source>The break timer stops while one of these programs shows: films, presentations, calls.</source>
        <translation>Der Pausentimer hält an, solange eines dieser Programme zu sehen ist: Filme, Präsentationen, Anrufe.</translation>
    </message>
    <message>
        <source>The camera measures the room light and the brightness follows it, a little every second.</source>
        <translation>Die Kamera misst das Raumlicht, und die Helligkeit folgt ihm, jede Sekunde ein wenig.</translation>
    </message>
    <message>
        <source>The program you are using, as the lists name it.</source>
        <translation>Das Programm, das Sie gerade verwenden, so benannt wie in den Listen.</translation>
    </message>
    <message>
        <source>The rest is over</source>
        <translation>Die Pause ist vorbei</translation>
    </message>
    <message>
        <source>The software cursor goes while one of these programs shows: games draw their own.</source>
        <translation>Der Software-Mauszeiger verschwindet, solange eines dieser Programme zu sehen ist: Spiele zeichnen ihren eigenen.</translation>
    </message>
    <message>
        <source>This is a strict rest: it ends by itself.</source>
        <translation>Dies ist eine strenge Pause, die von selbst endet.</translation>
    </message>
    <message>
        <source>Time for a rest</source>
        <translation>Zeit für eine Pause</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Timer pausieren</translation>
    </message>
    <message>
        <source>Timer type</source>
        <translation>Timertyp</translation>
    </message>
    <message>
        <source>Use sounds</source>
        <translation>Töne verwenden</translation>
    </message>
    <message>
        <source>Use the colours of the list while a listed program is in front.</source>
        <translation>Die Farben aus der Liste verwenden, solange ein aufgeführtes Programm im Vordergrund ist.</translation>
    </message>
    <message>
        <source>Use the first camera for the room light and the blink count.</source>
        <translation>Die erste Kamera für Raumlicht und Blinzelzählung verwenden.</translation>
    </message>
    <message>
        <source>What covers your monitors during a rest.</source>
        <translation>Was Ihre Monitore während einer Pause bedeckt.</translation>
    </message>
    <message>
        <source>What the shortcut does.</source>
        <translation>Was das Tastenkürzel bewirkt.</translation>
    </message>
    <message>
        <source>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</source>
        <translation>Nach der Pause geht die Arbeit sofort weiter. Andernfalls wartet der Pausenbildschirm, bis Sie fortfahren.</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>until rest</source>
        <translation>bis zur Pause</translation>
    </message>
    <message>
        <source>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</source>
        <translation>%b steht für enable oder disable, %d für eine ganze Zahl, %f für eine Zahl, %s für ein Wort. Klicken Sie auf einen Zauberspruch, um ihn ins Eingabefeld zu kopieren.</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Click again to reset every setting</source>
        <translation>Erneut klicken, um alle Einstellungen zurückzusetzen</translation>
    </message>
    <message>
        <source>Enter your spell:</source>
        <translation>Ihr Zauberspruch:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Hidden features</source>
        <translation>Versteckte Funktionen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Move your settings to another computer, or keep a copy.</source>
        <translation>Übertragen Sie Ihre Einstellungen auf einen anderen Computer oder bewahren Sie eine Kopie auf.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Auf Standardwerte zurücksetzen</translation>
    </message>
    <message>
        <source>Settings exported</source>
        <translation>Einstellungen exportiert</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Einstellungsdatei</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>Zaubersprüche</translation>
    </message>
    <message>
        <source>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</source>
        <translation>Zaubersprüche ändern Einstellungen, für die es auf den Seiten kein Bedienelement gibt. Dieselben Zaubersprüche funktionieren auch auf der Kommandozeile: kavo &quot;type dark&quot;.</translation>
    </message>
    <message>
        <source>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</source>
        <translation>Eine durchscheinende farbige Ebene über dem Bildschirm dunkelt und tönt ihn stärker ab als die Farben allein; Klicks gehen durch sie hindurch.</translation>
    </message>
    <message>
        <source>Day Dim</source>
        <translation>Tagesabdunklung</translation>
    </message>
    <message>
        <source>Day Opacity</source>
        <translation>Tagesdeckkraft</translation>
    </message>
    <message>
        <source>How dark the surroundings are.</source>
        <translation>Wie dunkel die Umgebung ist.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is at night.</source>
        <translation>Wie viel dunkler die Farbe der Ebene bei Nacht ist.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is by day.</source>
        <translation>Wie viel dunkler die Farbe der Ebene bei Tag ist.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen at night.</source>
        <translation>Wie stark die Ebene den Bildschirm bei Nacht bedeckt.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen by day.</source>
        <translation>Wie stark die Ebene den Bildschirm bei Tag bedeckt.</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</source>
        <translation>Hält einen hellen Bereich auf dem Bildschirm frei und dunkelt alles um ihn herum ab; Klicks gehen hindurch.</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Zitronengelb</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Lichtkegel</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Night Dim</source>
        <translation>Nachtabdunklung</translation>
    </message>
    <message>
        <source>Night Opacity</source>
        <translation>Nachtdeckkraft</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Overlay color</source>
        <translation>Overlay-Farbe</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Reset area</source>
        <translation>Bereich zurücksetzen</translation>
    </message>
    <message>
        <source>Scarlet</source>
        <translation>Scharlachrot</translation>
    </message>
    <message>
        <source>Screen overlay</source>
        <translation>Bildschirm-Overlay</translation>
    </message>
    <message>
        <source>Select an area, then drag over the screen: the area stays clear. Escape cancels.</source>
        <translation>Bereich auswählen, dann über den Bildschirm ziehen: Dieser Bereich bleibt frei. Esc bricht ab.</translation>
    </message>
    <message>
        <source>Select area</source>
        <translation>Bereich auswählen</translation>
    </message>
    <message>
        <source>Show the layer.</source>
        <translation>Die Ebene anzeigen.</translation>
    </message>
    <message>
        <source>Show the spot.</source>
        <translation>Den hellen Bereich anzeigen.</translation>
    </message>
    <message>
        <source>The colour of the layer.</source>
        <translation>Die Farbe der Ebene.</translation>
    </message>
    <message>
        <source>The size of the bright spot.</source>
        <translation>Die Größe des hellen Bereichs.</translation>
    </message>
    <message>
        <source>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</source>
        <translation>Dieser Desktop zeigt diesen Effekt nur, solange Sie nichts tun: Nach zwei Sekunden ohne Eingabe legt sich ein Bild des Bildschirms mit dem Effekt darüber, bis Sie eine Taste drücken oder die Maus bewegen.</translation>
    </message>
    <message>
        <source>This effect shows at once.</source>
        <translation>Dieser Effekt wird sofort angezeigt.</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Where the spot sits across the screen.</source>
        <translation>Wo der helle Bereich waagerecht auf dem Bildschirm liegt.</translation>
    </message>
    <message>
        <source>Where the spot sits down the screen.</source>
        <translation>Wo der helle Bereich senkrecht auf dem Bildschirm liegt.</translation>
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
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Settings imported</source>
        <translation>Einstellungen importiert</translation>
    </message>
    <message>
        <source>Settings not imported</source>
        <translation>Einstellungen nicht importiert</translation>
    </message>
    <message>
        <source>%1 conflicts with %2</source>
        <translation>%1 steht im Konflikt mit %2</translation>
    </message>
    <message>
        <source>%1 conflicts with %2 color changes and you may see some ON/OFF flicker of the colors.
%2 automatically closes such apps, but please uninstall one of the apps if you still have problems.</source>
        <translation>%1 steht im Konflikt mit den Farbänderungen von %2, und die Farben können ein- und ausflackern.
%2 schließt solche Anwendungen automatisch. Wenn die Probleme bleiben, deinstallieren Sie bitte eine der beiden Anwendungen.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Remaining %1</source>
        <translation>Noch %1</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>Keine Kamera gefunden</translation>
    </message>
    <message>
        <source>Object detectors not found</source>
        <translation>Objektdetektoren nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid spell</source>
        <translation>Ungültiger Zauberspruch</translation>
    </message>
    <message>
        <source>The spell &quot;%1&quot; seems wrong. Check the syntax or try with some other hidden feature.
Use &quot;help&quot; to see the list of all hidden features :)</source>
        <translation>Der Zauberspruch „%1“ scheint falsch zu sein. Prüfen Sie die Schreibweise oder versuchen Sie eine andere versteckte Funktion.
Mit „help“ sehen Sie die Liste aller versteckten Funktionen :)</translation>
    </message>
    <message>
        <source>Hidden feature succeeded</source>
        <translation>Versteckte Funktion ausgeführt</translation>
    </message>
    <message>
        <source>%1 succeeded</source>
        <translation>%1 erfolgreich ausgeführt</translation>
    </message>
    <message>
        <source>Invalid temperature</source>
        <translation>Ungültige Temperatur</translation>
    </message>
    <message>
        <source>%1 is invalid value for Color temperature. Use number between 0 and 10000.</source>
        <translation>%1 ist kein gültiger Wert für die Farbtemperatur. Verwenden Sie eine Zahl zwischen 0 und 10000.</translation>
    </message>
    <message>
        <source>Temperature changed</source>
        <translation>Temperatur geändert</translation>
    </message>
    <message>
        <source>Color temperature changed to %1K</source>
        <translation>Farbtemperatur auf %1K geändert</translation>
    </message>
    <message>
        <source>Invalid brightness</source>
        <translation>Ungültige Helligkeit</translation>
    </message>
    <message>
        <source>%1 is invalid value for Brightness. Use number between 10 and 100.</source>
        <translation>%1 ist kein gültiger Wert für die Helligkeit. Verwenden Sie eine Zahl zwischen 10 und 100.</translation>
    </message>
    <message>
        <source>Brightness changed</source>
        <translation>Helligkeit geändert</translation>
    </message>
    <message>
        <source>Brightness changed to %1%</source>
        <translation>Helligkeit auf %1% geändert</translation>
    </message>
    <message>
        <source>Invalid Night start time</source>
        <translation>Ungültiger Nachtbeginn</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night start time. Use number between 0 and 24.</source>
        <translation>%1 ist kein gültiger Wert für den Nachtbeginn. Verwenden Sie eine Zahl zwischen 0 und 24.</translation>
    </message>
    <message>
        <source>Night start time changed</source>
        <translation>Nachtbeginn geändert</translation>
    </message>
    <message>
        <source>Manual night start time changed to %1h</source>
        <translation>Manueller Nachtbeginn auf %1h geändert</translation>
    </message>
    <message>
        <source>Invalid Night end time</source>
        <translation>Ungültiges Nachtende</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night end time. Use number between 0 and 24.</source>
        <translation>%1 ist kein gültiger Wert für das Nachtende. Verwenden Sie eine Zahl zwischen 0 und 24.</translation>
    </message>
    <message>
        <source>Night end time changed</source>
        <translation>Nachtende geändert</translation>
    </message>
    <message>
        <source>Manual night end time changed to %1h</source>
        <translation>Manuelles Nachtende auf %1h geändert</translation>
    </message>
    <message>
        <source>Kavo is switching to %1 type</source>
        <translation>Kavo wechselt zum Typ %1</translation>
    </message>
    <message>
        <source>You will see the difference in your screen after a moment :)</source>
        <translation>Gleich sehen Sie den Unterschied auf Ihrem Bildschirm :)</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>Benachrichtigungen aktiviert</translation>
    </message>
    <message>
        <source>Hidden features notifications are enabled. They are show so you will know when your spell is successful</source>
        <translation>Benachrichtigungen für versteckte Funktionen sind aktiviert. Sie zeigen Ihnen, wann Ihr Zauberspruch erfolgreich war</translation>
    </message>
    <message>
        <source>Notifications disabled</source>
        <translation>Benachrichtigungen deaktiviert</translation>
    </message>
    <message>
        <source>Hidden features notifications are disabled. This is the last notification that you will see</source>
        <translation>Benachrichtigungen für versteckte Funktionen sind deaktiviert. Dies ist die letzte Benachrichtigung, die Sie sehen</translation>
    </message>
    <message>
        <source>Gamma fixer enabled</source>
        <translation>Gamma-Fixer aktiviert</translation>
    </message>
    <message>
        <source>Gamma fixer is enabled. If notice slight color changing every second disable the Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini changes from time to time.</source>
        <translation>Der Gamma-Fixer ist aktiviert. Wenn Sie jede Sekunde leichte Farbänderungen bemerken, deaktivieren Sie den Gamma-Fixer wieder. Der Gamma-Fixer wird verwendet, weil Windows die Änderungen von Kavo mini ab und zu ignoriert.</translation>
    </message>
    <message>
        <source>Gamma fixer disabled</source>
        <translation>Gamma-Fixer deaktiviert</translation>
    </message>
    <message>
        <source>Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or click the Kavo mini icon several times. Both should force Kavo to change the screen colors.</source>
        <translation>Der Gamma-Fixer ist deaktiviert. Wenn Ihr Bildschirm plötzlich hell wird, aktivieren Sie ihn wieder oder klicken Sie mehrmals auf das Symbol von Kavo mini. Beides sollte Kavo dazu bringen, die Bildschirmfarben zu ändern.</translation>
    </message>
    <message>
        <source>Software cursor enabled</source>
        <translation>Software-Mauszeiger aktiviert</translation>
    </message>
    <message>
        <source>Color changes will apply also on the cursor. If it starts to dissappear use disable software cursor to make it bright again.</source>
        <translation>Farbänderungen gelten jetzt auch für den Mauszeiger. Wenn er zu verschwinden beginnt, machen Sie ihn mit „disable software cursor“ wieder hell.</translation>
    </message>
    <message>
        <source>Hardware cursor enabled</source>
        <translation>Hardware-Mauszeiger aktiviert</translation>
    </message>
    <message>
        <source>Color changes will not apply on the cursor. If you don&apos;t like the bright blue cursor at night use enable software cursor to make apply color changes on the cursor.</source>
        <translation>Farbänderungen gelten nicht für den Mauszeiger. Wenn Sie der grellblaue Mauszeiger in der Nacht stört, wenden Sie die Farbänderungen mit „enable software cursor“ auch auf den Mauszeiger an.</translation>
    </message>
    <message>
        <source>Conflicting applications enabled</source>
        <translation>Konkurrierende Anwendungen zugelassen</translation>
    </message>
    <message>
        <source>Conflicting applications are enabled. You can now use other softwares which change the screen colors.</source>
        <translation>Konkurrierende Anwendungen sind zugelassen. Sie können jetzt andere Programme verwenden, die die Bildschirmfarben ändern.</translation>
    </message>
    <message>
        <source>Conflicting applications disabled</source>
        <translation>Konkurrierende Anwendungen gesperrt</translation>
    </message>
    <message>
        <source>Conflicting applications are disabled. In order to not cause flicker conflicting applications are disabled.</source>
        <translation>Konkurrierende Anwendungen sind gesperrt, damit die Farben nicht flackern.</translation>
    </message>
    <message>
        <source>Monitor %1 disabled</source>
        <translation>Monitor %1 deaktiviert</translation>
    </message>
    <message>
        <source>Kavo will not apply color changes to Monitor %1</source>
        <translation>Kavo ändert die Farben von Monitor %1 nicht mehr</translation>
    </message>
    <message>
        <source>Monitor %1 enabled</source>
        <translation>Monitor %1 aktiviert</translation>
    </message>
    <message>
        <source>Kavo will apply color changes to Monitor %1</source>
        <translation>Kavo ändert die Farben von Monitor %1</translation>
    </message>
    <message>
        <source>Color range is already expanded</source>
        <translation>Der Farbbereich ist bereits erweitert</translation>
    </message>
    <message>
        <source>Color range is already expanded. If you have problems with lower values try to Restart your PC. If the problem persist write to us with info about your PC to test and fix this.</source>
        <translation>Der Farbbereich ist bereits erweitert. Wenn Sie Probleme mit niedrigeren Werten haben, starten Sie den PC neu. Bleibt das Problem bestehen, schreiben Sie uns mit Angaben zu Ihrem PC, damit wir es testen und beheben können.</translation>
    </message>
    <message>
        <source>Expand color range Failed</source>
        <translation>Erweitern des Farbbereichs fehlgeschlagen</translation>
    </message>
    <message>
        <source>Expand color range Failed you need Admin permission to execute this</source>
        <translation>Erweitern des Farbbereichs fehlgeschlagen: Dazu sind Administratorrechte nötig</translation>
    </message>
    <message>
        <source>No uninstaller in the App folder</source>
        <translation>Kein Deinstallationsprogramm im Programmordner</translation>
    </message>
    <message>
        <source>There is not uninstaller in &quot;%1&quot;
 You can quit %2 and delete the folder by hand</source>
        <translation>In „%1“ gibt es kein Deinstallationsprogramm.
 Sie können %2 beenden und den Ordner von Hand löschen</translation>
    </message>
    <message>
        <source>Gamma preservation enabled</source>
        <translation>Gamma-Erhaltung aktiviert</translation>
    </message>
    <message>
        <source>Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day</source>
        <translation>Kavo berücksichtigt ab jetzt Ihre Farbkalibrierung. Schließen Sie Kavo mini und starten Sie es erneut, dann bleiben Ihre Farben tagsüber erhalten</translation>
    </message>
    <message>
        <source>Gamma preservation disabled</source>
        <translation>Gamma-Erhaltung deaktiviert</translation>
    </message>
    <message>
        <source>Kavo will not respect your color calibration from now on. It will use the default monitor settings instead</source>
        <translation>Kavo berücksichtigt Ihre Farbkalibrierung ab jetzt nicht mehr und verwendet stattdessen die Standardeinstellungen des Monitors</translation>
    </message>
    <message>
        <source>Start at startup enabled</source>
        <translation>Autostart aktiviert</translation>
    </message>
    <message>
        <source>Kavo mini will start when you turn ON your computer</source>
        <translation>Kavo mini startet, wenn Sie Ihren Computer einschalten</translation>
    </message>
    <message>
        <source>Start at startup disabled</source>
        <translation>Autostart deaktiviert</translation>
    </message>
    <message>
        <source>Kavo mini will not start when you turn ON your computer</source>
        <translation>Kavo mini startet nicht, wenn Sie Ihren Computer einschalten</translation>
    </message>
    <message>
        <source>Tray icon rotation is enabled</source>
        <translation>Drehendes Symbol im Infobereich aktiviert</translation>
    </message>
    <message>
        <source>The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Das Symbol im Infobereich dreht sich, während Kavo die Bildschirmfarben ändert. So sehen Sie, wann Kavo mini die Farben ändert und Ihr Bildschirm nicht kalibriert ist</translation>
    </message>
    <message>
        <source>Tray icon rotation is disabled</source>
        <translation>Drehendes Symbol im Infobereich deaktiviert</translation>
    </message>
    <message>
        <source>The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Das Symbol im Infobereich dreht sich nicht, während Kavo die Bildschirmfarben ändert. Diese Funktion zeigt, wann Kavo mini die Farben ändert und Ihr Bildschirm nicht kalibriert ist</translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation>Farben zurücksetzen</translation>
    </message>
    <message>
        <source>Screen colors are reset to default values</source>
        <translation>Die Bildschirmfarben wurden auf die Standardwerte zurückgesetzt</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Einstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Kavo settings are reset to default values</source>
        <translation>Die Kavo-Einstellungen wurden auf die Standardwerte zurückgesetzt</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled</source>
        <translation>Tastatur-Hook aktiviert</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled. You can now use system-wide shortcuts.</source>
        <translation>Tastatur-Hook aktiviert. Sie können jetzt systemweite Tastenkürzel verwenden.</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled</source>
        <translation>Tastatur-Hook deaktiviert</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled. Some shortcuts and features may not work as intended</source>
        <translation>Tastatur-Hook deaktiviert. Einige Tastenkürzel und Funktionen arbeiten möglicherweise nicht wie vorgesehen</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled</source>
        <translation>Tastenkürzel aktiviert</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled. You can now use Kavo shortcuts.</source>
        <translation>Tastenkürzel aktiviert. Sie können jetzt die Tastenkürzel von Kavo verwenden.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled</source>
        <translation>Tastenkürzel deaktiviert</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled. Kavo shortcuts will not work</source>
        <translation>Tastenkürzel deaktiviert. Die Tastenkürzel von Kavo funktionieren nicht</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled</source>
        <translation>Notfall-Tastenkürzel aktiviert</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.</source>
        <translation>Notfall-Tastenkürzel aktiviert. Sie können jetzt die Notfall-Tastenkürzel von Kavo verwenden.</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled</source>
        <translation>Notfall-Tastenkürzel deaktiviert</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work</source>
        <translation>Notfall-Tastenkürzel deaktiviert. Die Notfall-Tastenkürzel von Kavo funktionieren nicht</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled</source>
        <translation>Alle Tastenkürzel und Hooks aktiviert</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.</source>
        <translation>Alle Tastenkürzel und Hooks aktiviert. Sie können jetzt systemweite, Kavo- und Notfall-Tastenkürzel verwenden.</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled</source>
        <translation>Alle Tastenkürzel und Hooks deaktiviert</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work</source>
        <translation>Alle Tastenkürzel und Hooks deaktiviert. Systemweite, Kavo- und Notfall-Tastenkürzel funktionieren nicht</translation>
    </message>
    <message>
        <source>Manual temperature enabled</source>
        <translation>Manuelle Temperatur aktiviert</translation>
    </message>
    <message>
        <source>You are now using Kavo Mixed mode</source>
        <translation>Sie verwenden jetzt den gemischten Modus von Kavo</translation>
    </message>
    <message>
        <source>Manual temperature disabled</source>
        <translation>Manuelle Temperatur deaktiviert</translation>
    </message>
    <message>
        <source>Kavo will use your selected mode for temperature again</source>
        <translation>Kavo verwendet für die Temperatur wieder den gewählten Modus</translation>
    </message>
    <message>
        <source>Manual brightness enabled</source>
        <translation>Manuelle Helligkeit aktiviert</translation>
    </message>
    <message>
        <source>You are now using Kavo mini Mixed mode</source>
        <translation>Sie verwenden jetzt den gemischten Modus von Kavo mini</translation>
    </message>
    <message>
        <source>Manual brightness disabled</source>
        <translation>Manuelle Helligkeit deaktiviert</translation>
    </message>
    <message>
        <source>Kavo mini will use your selected mode for brightness again</source>
        <translation>Kavo mini verwendet für die Helligkeit wieder den gewählten Modus</translation>
    </message>
    <message>
        <source>Zero blue light</source>
        <translation>Kein Blaulicht</translation>
    </message>
    <message>
        <source>All blue light is removed from the screen</source>
        <translation>Das gesamte Blaulicht wird vom Bildschirm entfernt</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertieren</translation>
    </message>
    <message>
        <source>Colors are inverted</source>
        <translation>Die Farben sind invertiert</translation>
    </message>
    <message>
        <source>Manual location enabled</source>
        <translation>Manueller Standort aktiviert</translation>
    </message>
    <message>
        <source>Kavo mini will use your manual location. Set latitude and longitude with the hidden features</source>
        <translation>Kavo mini verwendet Ihren manuellen Standort. Legen Sie Breiten- und Längengrad mit den versteckten Funktionen fest</translation>
    </message>
    <message>
        <source>Manual location disabled</source>
        <translation>Manueller Standort deaktiviert</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini ermittelt den Standort automatisch. Der Standort dient zur Berechnung des Sonnenstands sowie der Tages- und Nachtdauer</translation>
    </message>
    <message>
        <source>Latitude changed</source>
        <translation>Breitengrad geändert</translation>
    </message>
    <message>
        <source>Latitude changed to %1°</source>
        <translation>Breitengrad auf %1° geändert</translation>
    </message>
    <message>
        <source>Longitude changed</source>
        <translation>Längengrad geändert</translation>
    </message>
    <message>
        <source>Longitude changed to %1°</source>
        <translation>Längengrad auf %1° geändert</translation>
    </message>
    <message>
        <source>Manual night duration enabled</source>
        <translation>Manuelle Nachtdauer aktiviert</translation>
    </message>
    <message>
        <source>Kavo mini will use manual night duration. Set start and end time with the hidden features</source>
        <translation>Kavo mini verwendet die manuelle Nachtdauer. Legen Sie Nachtbeginn und Nachtende mit den versteckten Funktionen fest</translation>
    </message>
    <message>
        <source>Manual night duration disabled</source>
        <translation>Manuelle Nachtdauer deaktiviert</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini bestimmt die Nachtdauer automatisch anhand des Standorts. Der Standort dient zur Berechnung des Sonnenstands sowie der Tages- und Nachtdauer</translation>
    </message>
    <message>
        <source>No File selected for Export</source>
        <translation>Keine Datei für den Export ausgewählt</translation>
    </message>
    <message>
        <source>Failed to write file for Export: %1</source>
        <translation>Die Exportdatei konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>Einstellungen nach %1 exportiert</translation>
    </message>
    <message>
        <source>No File selected for Import</source>
        <translation>Keine Datei für den Import ausgewählt</translation>
    </message>
    <message>
        <source>Failed to open file for Import</source>
        <translation>Die Importdatei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>File too large for Import (over 1 MiB): %1</source>
        <translation>Datei zu groß für den Import (über 1 MiB): %1</translation>
    </message>
    <message>
        <source>Settings too large for Import (over 1 MiB)</source>
        <translation>Einstellungen zu groß für den Import (über 1 MiB)</translation>
    </message>
    <message>
        <source>Not a Kavo settings file: it does not start with the &quot;#Created by&quot; header</source>
        <translation>Keine Kavo-Einstellungsdatei: Sie beginnt nicht mit der Kopfzeile „#Created by“</translation>
    </message>
    <message>
        <source>No settings to import: the file holds no setting Kavo knows</source>
        <translation>Nichts zu importieren: Die Datei enthält keine Einstellung, die Kavo kennt</translation>
    </message>
    <message>
        <source>Settings not writable: the import was not saved</source>
        <translation>Einstellungen nicht beschreibbar: Der Import wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>%1 settings imported</source>
        <translation>%1 Einstellungen importiert</translation>
    </message>
    <message>
        <source>, %1 unknown keys ignored</source>
        <translation>, %1 unbekannte Schlüssel ignoriert</translation>
    </message>
    <message>
        <source>, %1 invalid lines skipped</source>
        <translation>, %1 ungültige Zeilen übersprungen</translation>
    </message>
    <message>
        <source>%1 until work</source>
        <translation>%1 bis zur Arbeit</translation>
    </message>
    <message>
        <source>%1 until rest</source>
        <translation>%1 bis zur Pause</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in %2 minutes.</source>
        <translation>%1 erinnert Sie: In %2 Minuten beginnt eine große Pause.</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in 30 seconds.</source>
        <translation>%1 erinnert Sie: In 30 Sekunden beginnt eine große Pause.</translation>
    </message>
    <message>
        <source>Big rest incoming</source>
        <translation>Große Pause steht bevor</translation>
    </message>
    <message>
        <source>work</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>Std.</translation>
    </message>
    <message>
        <source>Back to work</source>
        <translation>Zurück an die Arbeit</translation>
    </message>
    <message>
        <source>Bend forward and let your arms hang loose.</source>
        <translation>Beugen Sie sich nach vorn und lassen Sie die Arme locker hängen.</translation>
    </message>
    <message>
        <source>Blink often: screens make us forget to.</source>
        <translation>Blinzeln Sie oft: Vor dem Bildschirm vergessen wir es leicht.</translation>
    </message>
    <message>
        <source>Blink quickly for a few seconds, then close your eyes.</source>
        <translation>Blinzeln Sie einige Sekunden lang schnell und schließen Sie dann die Augen.</translation>
    </message>
    <message>
        <source>Break is coming in %1</source>
        <translation>Pause in %1</translation>
    </message>
    <message>
        <source>Bring your chin to your chest and lift it back slowly.</source>
        <translation>Senken Sie das Kinn zur Brust und heben Sie es langsam wieder an.</translation>
    </message>
    <message>
        <source>Close your eyes and breathe slowly.</source>
        <translation>Schließen Sie die Augen und atmen Sie langsam.</translation>
    </message>
    <message>
        <source>Drink a glass of water.</source>
        <translation>Trinken Sie ein Glas Wasser.</translation>
    </message>
    <message>
        <source>Esc keeps the shortcut, Backspace removes it.</source>
        <translation>Esc behält das Tastenkürzel, Backspace entfernt es.</translation>
    </message>
    <message>
        <source>Hide the camera picture</source>
        <translation>Kamerabild ausblenden</translation>
    </message>
    <message>
        <source>Hold Ctrl, Alt or Meta with this key.</source>
        <translation>Halten Sie zu dieser Taste Ctrl, Alt oder Meta gedrückt.</translation>
    </message>
    <message>
        <source>Kavo cannot use this key in a shortcut.</source>
        <translation>Kavo kann diese Taste nicht in einem Tastenkürzel verwenden.</translation>
    </message>
    <message>
        <source>Look at something at least six metres away.</source>
        <translation>Schauen Sie auf etwas, das mindestens sechs Meter entfernt ist.</translation>
    </message>
    <message>
        <source>Look at something far away, out of a window if you can.</source>
        <translation>Schauen Sie auf etwas in der Ferne, wenn möglich aus dem Fenster.</translation>
    </message>
    <message>
        <source>Look up, down, left and right, holding each for a breath.</source>
        <translation>Schauen Sie nach oben, unten, links und rechts und verweilen Sie jeweils einen Atemzug lang.</translation>
    </message>
    <message>
        <source>Monitor %1</source>
        <translation>Monitor %1</translation>
    </message>
    <message>
        <source>Put your hands on your hips and lean back gently.</source>
        <translation>Stemmen Sie die Hände in die Hüften und lehnen Sie sich sanft zurück.</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Roll your shoulders back a few times.</source>
        <translation>Kreisen Sie die Schultern einige Male nach hinten.</translation>
    </message>
    <message>
        <source>Roll your shoulders back five times.</source>
        <translation>Kreisen Sie die Schultern fünfmal nach hinten.</translation>
    </message>
    <message>
        <source>Show the camera picture</source>
        <translation>Kamerabild anzeigen</translation>
    </message>
    <message>
        <source>Slowly roll your eyes in a circle, then the other way.</source>
        <translation>Lassen Sie die Augen langsam im Kreis rollen, dann in die andere Richtung.</translation>
    </message>
    <message>
        <source>Stand up and reach both arms above your head.</source>
        <translation>Stehen Sie auf und strecken Sie beide Arme über den Kopf.</translation>
    </message>
    <message>
        <source>Stand up and stretch your arms above your head.</source>
        <translation>Stehen Sie auf und dehnen Sie die Arme über dem Kopf.</translation>
    </message>
    <message>
        <source>Step %1 / %2</source>
        <translation>Schritt %1 / %2</translation>
    </message>
    <message>
        <source>The camera is off</source>
        <translation>Die Kamera ist aus</translation>
    </message>
    <message>
        <source>Tilt your ear toward your shoulder on each side.</source>
        <translation>Neigen Sie den Kopf zu jeder Seite, das Ohr zur Schulter.</translation>
    </message>
    <message>
        <source>Turn your head slowly to the left and hold, then to the right.</source>
        <translation>Drehen Sie den Kopf langsam nach links und halten Sie ihn, dann nach rechts.</translation>
    </message>
    <message>
        <source>Twist your upper body slowly to each side.</source>
        <translation>Drehen Sie den Oberkörper langsam zu jeder Seite.</translation>
    </message>
    <message>
        <source>blink detection is off</source>
        <translation>Blinzelerkennung ist aus</translation>
    </message>
    <message>
        <source>until work</source>
        <translation>bis zur Arbeit</translation>
    </message>
    <message>
        <source>Kavo Settings File (*.kavo_settings *.kavo)</source>
        <translation>Kavo-Einstellungsdatei (*.kavo_settings *.kavo)</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>Datei speichern…</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Datei öffnen…</translation>
    </message>
    <message>
        <source>This window cannot be shown: Kavo&apos;s web part is missing.</source>
        <translation>Dieses Fenster kann nicht angezeigt werden: Kavos Web-Teil fehlt.</translation>
    </message>
    <message>
        <source>Camera features are missing</source>
        <translation>Die Kamerafunktionen fehlen</translation>
    </message>
    <message>
        <source>Settings cannot be saved</source>
        <translation>Einstellungen können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Wayland lets no program click for the user: the auto clicker is not available.</source>
        <translation>Wayland lässt kein Programm für Sie klicken: Der Autoklicker ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Wayland lets no program draw the mouse cursor: the software cursor is not available.</source>
        <translation>Wayland lässt kein Programm den Mauszeiger zeichnen: Der Software-Mauszeiger ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Wayland gives ordinary programs no picture of the screen: effects that work on a picture while you are idle are not available.</source>
        <translation>Wayland gibt gewöhnlichen Programmen kein Bild des Bildschirms: Effekte, die während Ihrer Inaktivität ein Bild bearbeiten, sind nicht verfügbar.</translation>
    </message>
    <message>
        <source>GNOME tells no program which window is in front (that needs a Shell extension): pausers and triggers cannot see programs.</source>
        <translation>GNOME verrät keinem Programm, welches Fenster vorne ist (dafür bräuchte es eine Shell-Erweiterung): Pausen und Auslöser können keine Programme erkennen.</translation>
    </message>
    <message>
        <source>This compositor tells no program which window is in front: pausers and triggers cannot see programs.</source>
        <translation>Dieser Compositor verrät keinem Programm, welches Fenster vorne ist: Pausen und Auslöser können keine Programme erkennen.</translation>
    </message>
    <message>
        <source>This desktop does not say when you are idle: inactivity does not stop the timer.</source>
        <translation>Dieser Desktop meldet nicht, wann Sie inaktiv sind: Inaktivität hält den Timer nicht an.</translation>
    </message>
    <message>
        <source>This desktop keeps keys to itself: bind each shortcut in the compositor&apos;s configuration, for example in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; or in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lists the actions).</source>
        <translation>Dieser Desktop behält die Tasten für sich: Legen Sie jedes Tastenkürzel in der Konfiguration des Compositors fest, zum Beispiel in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; oder in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help listet die Aktionen auf).</translation>
    </message>
    <message>
        <source>This desktop lets no window lie over everything: the overlay&apos;s colour goes through the screen&apos;s colours, and the lightness spot is not shown.</source>
        <translation>Dieser Desktop lässt kein Fenster über allem liegen: Die Farbe des Overlays geht in die Farben des Bildschirms ein, und der Lichtkegel wird nicht angezeigt.</translation>
    </message>
    <message>
        <source>This desktop lets no program take the keyboard: strict breaks cannot keep other programs from keys.</source>
        <translation>Dieser Desktop lässt kein Programm die Tastatur übernehmen: Strenge Pausen können andere Programme nicht von den Tasten fernhalten.</translation>
    </message>
    <message>
        <source>This desktop has no tray (no StatusNotifierWatcher): start Kavo again to open its window.</source>
        <translation>Dieser Desktop hat keinen Infobereich (keinen StatusNotifierWatcher): Starten Sie Kavo erneut, um sein Fenster zu öffnen.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Benutzerdefiniert</translation>
    </message>
    <message>
        <source>&amp;Health</source>
        <translation>&amp;Gesundheit</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>&amp;Schlaf</translation>
    </message>
    <message>
        <source>&amp;Gaming</source>
        <translation>G&amp;aming</translation>
    </message>
    <message>
        <source>&amp;Reading</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>&amp;Programming</source>
        <translation>&amp;Programmieren</translation>
    </message>
    <message>
        <source>&amp;Biohacker</source>
        <translation>B&amp;iohacker</translation>
    </message>
    <message>
        <source>&amp;Sunglasses</source>
        <translation>Sonn&amp;enbrille</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Dunkel</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>&amp;Film</translation>
    </message>
    <message>
        <source>&amp;Overlay</source>
        <translation>&amp;Overlay</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Farben pausieren</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Timer pausieren</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Mauszeiger pausieren</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>&amp;Change mode</source>
        <translation>Modus &amp;wechseln</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automatisch</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuell</translation>
    </message>
    <message>
        <source>&amp;Paused</source>
        <translation>&amp;Pausiert</translation>
    </message>
    <message>
        <source>Stop auto clicker</source>
        <translation>Autoklicker stoppen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
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
