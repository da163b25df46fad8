<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Novità</translation>
    </message>
    <message>
        <source>This build of Kavo names no page with its changes.</source>
        <translation>Questa build di Kavo non indica alcuna pagina con le novità.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>This build of Kavo names no website.</source>
        <translation>Questa build di Kavo non indica alcun sito web.</translation>
    </message>
    <message>
        <source>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</source>
        <translation>Questo desktop non può disegnare il cursore del mouse via software: il cursore resta com&apos;è.</translation>
    </message>
</context>
<context>
    <name>ColorTriggers</name>
    <message>
        <source>Line %1 is not &quot;program = temperature brightness&quot;: %2</source>
        <translation>La riga %1 non è nel formato &quot;programma = temperatura luminosità&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Cyclops</name>
    <message>
        <source>Restart your PC</source>
        <translation>Riavvia il PC</translation>
    </message>
    <message>
        <source>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</source>
        <translation>Kavo ha apportato una piccola modifica per consentire valori più bassi. Riavvia il PC una volta per sbloccare tutte le funzioni.</translation>
    </message>
    <message>
        <source>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</source>
        <translation>Alcune funzioni sono limitate perché devi riavviare il PC. Al momento stai usando l&apos;API dei colori di alto livello.</translation>
    </message>
</context>
<context>
    <name>DebugConsoleWindow</name>
    <message>
        <source>Copy all</source>
        <translation>Copia tutto</translation>
    </message>
</context>
<context>
    <name>DebugInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>FAI CLIC PER COPIARE IL TESTO NEGLI APPUNTI</translation>
    </message>
</context>
<context>
    <name>MagnificationApi</name>
    <message>
        <source>Kavo Color Effects</source>
        <translation>Effetti colore di Kavo</translation>
    </message>
    <message>
        <source>Failed to initialize color effects.</source>
        <translation>Impossibile inizializzare gli effetti colore.</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message>
        <source>sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
</context>
<context>
    <name>TaskbarButton</name>
    <message>
        <source>Work/Break</source>
        <translation>Lavoro/Pausa</translation>
    </message>
    <message>
        <source>Reset timer</source>
        <translation>Azzera timer</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>Sospendi/Riprendi</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Timer sospeso</translation>
    </message>
</context>
<context>
    <name>TransitionTimesInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>FAI CLIC PER COPIARE IL TESTO NEGLI APPUNTI</translation>
    </message>
    <message>
        <source>Detected current Clock time</source>
        <translation>Ora attuale rilevata</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Ora locale</translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation>Ora UTC</translation>
    </message>
    <message>
        <source>Day start time</source>
        <translation>Inizio del giorno</translation>
    </message>
    <message>
        <source>Day transition start time</source>
        <translation>Inizio della transizione al giorno</translation>
    </message>
    <message>
        <source>Day transition end time</source>
        <translation>Fine della transizione al giorno</translation>
    </message>
    <message>
        <source>Day end time</source>
        <translation>Fine del giorno</translation>
    </message>
    <message>
        <source>Night start time</source>
        <translation>Inizio della notte</translation>
    </message>
    <message>
        <source>Night transition start time</source>
        <translation>Inizio della transizione alla notte</translation>
    </message>
    <message>
        <source>Night transition end time</source>
        <translation>Fine della transizione alla notte</translation>
    </message>
    <message>
        <source>Night end time</source>
        <translation>Fine della notte</translation>
    </message>
    <message>
        <source>Day duration</source>
        <translation>Durata del giorno</translation>
    </message>
    <message>
        <source>Day transition duration</source>
        <translation>Durata della transizione al giorno</translation>
    </message>
    <message>
        <source>Night duration</source>
        <translation>Durata della notte</translation>
    </message>
    <message>
        <source>Night transition duration</source>
        <translation>Durata della transizione alla notte</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Custom Time zone offset</source>
        <translation>Scostamento personalizzato del fuso orario</translation>
    </message>
    <message>
        <source>Sunrise time</source>
        <translation>Ora dell&apos;alba</translation>
    </message>
    <message>
        <source>Sunset time</source>
        <translation>Ora del tramonto</translation>
    </message>
    <message>
        <source>New moon offset</source>
        <translation>Anticipo con la luna nuova</translation>
    </message>
    <message>
        <source>Full moon offset</source>
        <translation>Anticipo con la luna piena</translation>
    </message>
    <message>
        <source>Current moon offset</source>
        <translation>Anticipo lunare attuale</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Ora di coricarsi</translation>
    </message>
    <message>
        <source>Bedtime transition start time</source>
        <translation>Inizio della transizione all&apos;ora di coricarsi</translation>
    </message>
    <message>
        <source>Bedtime transition end time</source>
        <translation>Fine della transizione all&apos;ora di coricarsi</translation>
    </message>
    <message>
        <source>Bedtime end time</source>
        <translation>Fine del periodo di sonno</translation>
    </message>
    <message>
        <source>Wake time</source>
        <translation>Ora del risveglio</translation>
    </message>
    <message>
        <source>Wake time transition start time</source>
        <translation>Inizio della transizione al risveglio</translation>
    </message>
    <message>
        <source>Wake time transition end time</source>
        <translation>Fine della transizione al risveglio</translation>
    </message>
    <message>
        <source>Wake time end time</source>
        <translation>Fine del periodo di veglia</translation>
    </message>
    <message>
        <source>Sleep duration</source>
        <translation>Durata del sonno</translation>
    </message>
    <message>
        <source>Sleep transition duration</source>
        <translation>Durata della transizione del sonno</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <source>Use Automatic Location</source>
        <translation>Usa la posizione automatica</translation>
    </message>
    <message>
        <source>Use Manual Night Duration</source>
        <translation>Usa la durata manuale della notte</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>Loading...</source>
        <translation>Caricamento...</translation>
    </message>
    <message>
        <source>Location unknown: set it by hand</source>
        <translation>Posizione sconosciuta: impostala a mano</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>Nuova versione disponibile</translation>
    </message>
    <message>
        <source>Kavo %1 is available</source>
        <translation>Kavo %1 è disponibile</translation>
    </message>
    <message>
        <source>This build of Kavo names no update server</source>
        <translation>Questa build di Kavo non indica alcun server degli aggiornamenti</translation>
    </message>
    <message>
        <source>No answer from the update server</source>
        <translation>Nessuna risposta dal server degli aggiornamenti</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read</source>
        <translation>Impossibile leggere la risposta del server degli aggiornamenti</translation>
    </message>
    <message>
        <source>Kavo is up to date</source>
        <translation>Kavo è aggiornato</translation>
    </message>
    <message>
        <source>100 % leaves colours as they are; 0 % is grey.</source>
        <translation>100 % lascia i colori come sono; 0 % è grigio.</translation>
    </message>
    <message>
        <source>A cursor drawn in software takes on the screen colours.</source>
        <translation>Un cursore disegnato via software assume i colori dello schermo.</translation>
    </message>
    <message>
        <source>A window with Kavo&apos;s log as it is written. Click again to close it.</source>
        <translation>Una finestra con il log di Kavo mentre viene scritto. Fai di nuovo clic per chiuderla.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Achromatomaly</source>
        <translation>Acromatomalia</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Acromatopsia</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzata</translation>
    </message>
    <message>
        <source>Allows values from 0 K (deep red) to 10000 K (cold blue).</source>
        <translation>Consente valori da 0 K (rosso intenso) a 10000 K (blu freddo).</translation>
    </message>
    <message>
        <source>Allows values from 10 % to 150 %.</source>
        <translation>Consente valori dal 10 % al 150 %.</translation>
    </message>
    <message>
        <source>Apply the saturation above.</source>
        <translation>Applica la saturazione impostata sopra.</translation>
    </message>
    <message>
        <source>Ask the update server once, whatever the settings above.</source>
        <translation>Interroga subito il server degli aggiornamenti, indipendentemente dalle impostazioni sopra.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatica</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Aggiornamenti automatici</translation>
    </message>
    <message>
        <source>Autosave settings changes</source>
        <translation>Salva automaticamente le modifiche</translation>
    </message>
    <message>
        <source>Bedtime:</source>
        <translation>Ora di coricarsi:</translation>
    </message>
    <message>
        <source>Biohacker</source>
        <translation>Biohacker</translation>
    </message>
    <message>
        <source>Block keyboard on strict mode</source>
        <translation>Blocca la tastiera nelle pause rigorose</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Blue light</source>
        <translation>Luce blu</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</source>
        <translation>Luminosità dopo il tramonto. In una stanza buia uno schermo meno luminoso affatica meno gli occhi.</translation>
    </message>
    <message>
        <source>Brightness in daylight, in percent of the full screen brightness.</source>
        <translation>Luminosità di giorno, in percentuale della luminosità massima dello schermo.</translation>
    </message>
    <message>
        <source>Brightness of the sleep period.</source>
        <translation>Luminosità del periodo di sonno.</translation>
    </message>
    <message>
        <source>Build this window only when it is first opened, which saves memory and start-up time.</source>
        <translation>Crea questa finestra solo alla prima apertura, risparmiando memoria e tempo di avvio.</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</source>
        <translation>Modifica leggermente ogni nuova rampa di colore, così un driver video che ignora una rampa ripetuta riprende i colori di Kavo, per esempio dopo che un gioco li ha reimpostati.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Cerca aggiornamenti</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Controlla ora</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Scegli le pagine</translation>
    </message>
    <message>
        <source>Choose the monitors Kavo changes, and whether each has colours of its own.</source>
        <translation>Scegli i monitor che Kavo modifica e se ognuno ha colori propri.</translation>
    </message>
    <message>
        <source>ClearType</source>
        <translation>ClearType</translation>
    </message>
    <message>
        <source>ClearType with alternative renderer</source>
        <translation>ClearType con renderer alternativo</translation>
    </message>
    <message>
        <source>Click to copy the text to the clipboard</source>
        <translation>Fai clic per copiare il testo negli appunti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Closing the window hides it instead of minimising it.</source>
        <translation>Chiudendo la finestra, questa viene nascosta invece che ridotta a icona.</translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation>Schema di colori</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Temperatura di colore</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</source>
        <translation>Temperatura di colore dopo il tramonto. Di sera una luce calda disturba meno il sonno.</translation>
    </message>
    <message>
        <source>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</source>
        <translation>Temperatura di colore di giorno. 6500 K è neutra; i valori più bassi sono più caldi e contengono meno luce blu.</translation>
    </message>
    <message>
        <source>Colour temperature of the sleep period.</source>
        <translation>Temperatura di colore del periodo di sonno.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Day Brightness</source>
        <translation>Luminosità diurna</translation>
    </message>
    <message>
        <source>Day Light</source>
        <translation>Luce diurna</translation>
    </message>
    <message>
        <source>Day Temperature</source>
        <translation>Temperatura diurna</translation>
    </message>
    <message>
        <source>Day Transition:</source>
        <translation>Transizione al giorno:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Debug console</source>
        <translation>Console di debug</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>Informazioni di debug</translation>
    </message>
    <message>
        <source>Degrees east; negative in the west.</source>
        <translation>Gradi est; negativi a ovest.</translation>
    </message>
    <message>
        <source>Degrees north; negative in the south.</source>
        <translation>Gradi nord; negativi a sud.</translation>
    </message>
    <message>
        <source>Desaturated</source>
        <translation>Desaturato</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>Deuteranomalia</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deuteranopia</translation>
    </message>
    <message>
        <source>During strict breaks the keyboard does nothing.</source>
        <translation>Durante le pause rigorose la tastiera non ha effetto.</translation>
    </message>
    <message>
        <source>Each step enlarges the screen a little more.</source>
        <translation>Ogni passo ingrandisce un po&apos; di più lo schermo.</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Ogni</translation>
    </message>
    <message>
        <source>Every language is named in its own words.</source>
        <translation>Ogni lingua è indicata con il proprio nome originale.</translation>
    </message>
    <message>
        <source>Extended values</source>
        <translation>Valori estesi</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Caratteri</translation>
    </message>
    <message>
        <source>Fonts type</source>
        <translation>Smussatura dei caratteri</translation>
    </message>
    <message>
        <source>Full Moon offset:</source>
        <translation>Anticipo con la luna piena:</translation>
    </message>
    <message>
        <source>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</source>
        <translation>Filtri di colore a schermo intero: scale di grigi, inversioni, seppia e filtri per la visione dei colori.</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>Giochi</translation>
    </message>
    <message>
        <source>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</source>
        <translation>Assegna a ogni monitor temperatura e luminosità proprie; scegli il monitor con le schede in alto.</translation>
    </message>
    <message>
        <source>Grayclase Red</source>
        <translation>Scala di grigi in rosso</translation>
    </message>
    <message>
        <source>Grayscale 1</source>
        <translation>Scala di grigi 1</translation>
    </message>
    <message>
        <source>Grayscale 2</source>
        <translation>Scala di grigi 2</translation>
    </message>
    <message>
        <source>Grayscale 3</source>
        <translation>Scala di grigi 3</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Groot</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salute</translation>
    </message>
    <message>
        <source>Hide Taskbar icon on close</source>
        <translation>Nascondi l&apos;icona nella barra delle applicazioni alla chiusura</translation>
    </message>
    <message>
        <source>How Kavo fits into your desktop.</source>
        <translation>Come Kavo si integra nel desktop.</translation>
    </message>
    <message>
        <source>How Kavo keeps its colours on the screen.</source>
        <translation>Come Kavo mantiene i suoi colori sullo schermo.</translation>
    </message>
    <message>
        <source>How Kavo keeps your settings and notices that you are away.</source>
        <translation>Come Kavo conserva le impostazioni e si accorge che sei assente.</translation>
    </message>
    <message>
        <source>How a colour temperature turns into screen colours.</source>
        <translation>Come una temperatura di colore diventa colori dello schermo.</translation>
    </message>
    <message>
        <source>How bright the screen is by day and by night.</source>
        <translation>Quanto è luminoso lo schermo di giorno e di notte.</translation>
    </message>
    <message>
        <source>How long colours glide when Kavo pauses, resumes or changes mode or type.</source>
        <translation>Quanto dura il passaggio graduale dei colori quando Kavo va in pausa, riprende o cambia modalità o tipo.</translation>
    </message>
    <message>
        <source>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</source>
        <translation>Quanto dura il passaggio al giorno: centrato sull&apos;alba, oppure fino alla fine della notte impostata a orario.</translation>
    </message>
    <message>
        <source>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</source>
        <translation>Quanto dura il passaggio alla notte: centrato sul tramonto, oppure fino all&apos;inizio della notte impostato a orario.</translation>
    </message>
    <message>
        <source>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</source>
        <translation>Quanto durano i passaggi verso e dal periodo di sonno; terminano all&apos;ora di coricarsi e all&apos;ora del risveglio.</translation>
    </message>
    <message>
        <source>How much blue light the screen gives off by day and by night.</source>
        <translation>Quanta luce blu emette lo schermo di giorno e di notte.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at full moon.</source>
        <translation>Di quanto la notte e il giorno iniziano prima con la luna piena.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at new moon.</source>
        <translation>Di quanto la notte e il giorno iniziano prima con la luna nuova.</translation>
    </message>
    <message>
        <source>How often a running Kavo looks again.</source>
        <translation>Ogni quanto Kavo, mentre è in esecuzione, ricontrolla.</translation>
    </message>
    <message>
        <source>How slowly the colours change between day, night and sleep.</source>
        <translation>Con quanta lentezza cambiano i colori tra giorno, notte e sonno.</translation>
    </message>
    <message>
        <source>How the system smooths the edges of text.</source>
        <translation>Come il sistema smussa i bordi del testo.</translation>
    </message>
    <message>
        <source>Invert colors</source>
        <translation>Inverti colori</translation>
    </message>
    <message>
        <source>Kavo</source>
        <translation>Kavo</translation>
    </message>
    <message>
        <source>Kavo can look for a new version and tell you when one is out.</source>
        <translation>Kavo può cercare una nuova versione e avvisarti quando esce.</translation>
    </message>
    <message>
        <source>Kavo follows the sun at your location. Without a location of your own it looks one up.</source>
        <translation>Kavo segue il sole nella tua posizione. Se non ne imposti una, la rileva da solo.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and needs to relaunch for them to take effect.</source>
        <translation>Kavo ha apportato alcune modifiche al sistema e deve riavviarsi perché abbiano effetto.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and restart is needed for changes to take effect.</source>
        <translation>Kavo ha apportato alcune modifiche al sistema ed è necessario riavviare il PC perché abbiano effetto.</translation>
    </message>
    <message>
        <source>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</source>
        <translation>Kavo si prende cura dei tuoi occhi: colori più delicati di notte e promemoria per le pause.</translation>
    </message>
    <message>
        <source>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</source>
        <translation>La versione di Kavo, il sistema, il desktop e tutte le impostazioni. Fai clic sul testo per copiarlo.</translation>
    </message>
    <message>
        <source>Keep the night brightness all the time instead of following the sun.</source>
        <translation>Mantieni sempre la luminosità notturna invece di seguire il sole.</translation>
    </message>
    <message>
        <source>Keep the night value all the time instead of following the sun.</source>
        <translation>Mantieni sempre il valore notturno invece di seguire il sole.</translation>
    </message>
    <message>
        <source>Keeps Kavo light while it waits in the background.</source>
        <translation>Mantiene Kavo leggero mentre attende in background.</translation>
    </message>
    <message>
        <source>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</source>
        <translation>La pressione dei tasti indica la tua presenza: il timer delle pause si ferma dopo circa 20 minuti senza tasti premuti e riparte quando torni.</translation>
    </message>
    <message>
        <source>Keyboard inactivity</source>
        <translation>Inattività della tastiera</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitudine:</translation>
    </message>
    <message>
        <source>Leading Color</source>
        <translation>Colore dominante</translation>
    </message>
    <message>
        <source>Let Kavo set the frequency above.</source>
        <translation>Lascia che Kavo imposti la frequenza indicata sopra.</translation>
    </message>
    <message>
        <source>Let Kavo tell you when a new version is out.</source>
        <translation>Fatti avvisare da Kavo quando esce una nuova versione.</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineare</translation>
    </message>
    <message>
        <source>Linear Blue</source>
        <translation>Blu lineare</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitudine:</translation>
    </message>
    <message>
        <source>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</source>
        <translation>Cerca una nuova versione all&apos;avvio di Kavo e poi a intervalli regolari. Viene salvato con le altre impostazioni.</translation>
    </message>
    <message>
        <source>Look now</source>
        <translation>Cerca ora</translation>
    </message>
    <message>
        <source>Magmus</source>
        <translation>Magmus</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>Ingrandimento</translation>
    </message>
    <message>
        <source>Manage monitors</source>
        <translation>Gestisci monitor</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Manual Brightness</source>
        <translation>Luminosità manuale</translation>
    </message>
    <message>
        <source>Manual blue light</source>
        <translation>Luce blu manuale</translation>
    </message>
    <message>
        <source>Manual color settings</source>
        <translation>Colori manuali</translation>
    </message>
    <message>
        <source>Manual location</source>
        <translation>Posizione manuale</translation>
    </message>
    <message>
        <source>Manual night duration</source>
        <translation>Durata manuale della notte</translation>
    </message>
    <message>
        <source>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</source>
        <translation>Molti schermi attenuano la retroilluminazione accendendola e spegnendola molto rapidamente (PWM). Una frequenza più alta produce meno sfarfallio.</translation>
    </message>
    <message>
        <source>Max Frequency</source>
        <translation>Frequenza massima</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
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
        <translation>Luna</translation>
    </message>
    <message>
        <source>Mouse inactivity</source>
        <translation>Inattività del mouse</translation>
    </message>
    <message>
        <source>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</source>
        <translation>I movimenti del mouse indicano la tua presenza: il timer delle pause si ferma dopo circa 20 minuti senza movimenti e riparte quando torni.</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Mutes or strengthens the colours of the whole screen.</source>
        <translation>Attenua o intensifica i colori di tutto lo schermo.</translation>
    </message>
    <message>
        <source>Negative Grayclased Red</source>
        <translation>Scala di grigi in rosso negativa</translation>
    </message>
    <message>
        <source>Negative Grayscale</source>
        <translation>Scala di grigi negativa</translation>
    </message>
    <message>
        <source>Negative Sepia</source>
        <translation>Seppia negativa</translation>
    </message>
    <message>
        <source>New Moon offset:</source>
        <translation>Anticipo con la luna nuova:</translation>
    </message>
    <message>
        <source>News, help and the latest version.</source>
        <translation>Novità, aiuto e ultima versione.</translation>
    </message>
    <message>
        <source>Night Brightness</source>
        <translation>Luminosità notturna</translation>
    </message>
    <message>
        <source>Night Light</source>
        <translation>Luce notturna</translation>
    </message>
    <message>
        <source>Night Temperature</source>
        <translation>Temperatura notturna</translation>
    </message>
    <message>
        <source>Night Transition:</source>
        <translation>Transizione alla notte:</translation>
    </message>
    <message>
        <source>Night ends at:</source>
        <translation>La notte finisce alle:</translation>
    </message>
    <message>
        <source>Night starts at:</source>
        <translation>La notte inizia alle:</translation>
    </message>
    <message>
        <source>No smoothing</source>
        <translation>Nessuna smussatura</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</source>
        <translation>Indicato negli orari di transizione qui sotto; gli orari del sole seguono comunque il fuso orario del sistema.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Olaf</source>
        <translation>Olaf</translation>
    </message>
    <message>
        <source>Old Photo</source>
        <translation>Foto d&apos;epoca</translation>
    </message>
    <message>
        <source>Open or close</source>
        <translation>Apri o chiudi</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Apri il sito web</translation>
    </message>
    <message>
        <source>Optimize UI Creation</source>
        <translation>Ottimizza la creazione dell&apos;interfaccia</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Overlay</translation>
    </message>
    <message>
        <source>PWM Control</source>
        <translation>Controllo PWM</translation>
    </message>
    <message>
        <source>PWM Frequency</source>
        <translation>Frequenza PWM</translation>
    </message>
    <message>
        <source>PWM control</source>
        <translation>Controllo PWM</translation>
    </message>
    <message>
        <source>Pause Transition:</source>
        <translation>Transizione della pausa:</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Per Monitor Settings</source>
        <translation>Impostazioni per monitor</translation>
    </message>
    <message>
        <source>Preview 24 hours</source>
        <translation>Anteprima di 24 ore</translation>
    </message>
    <message>
        <source>Productive</source>
        <translation>Produttivo</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programmazione</translation>
    </message>
    <message>
        <source>Protanomaly</source>
        <translation>Protanomalia</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopia</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lettura</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Relaunch is needed</source>
        <translation>È necessario riavviare Kavo</translation>
    </message>
    <message>
        <source>Relaunch now</source>
        <translation>Riavvia ora</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Restart is needed</source>
        <translation>È necessario riavviare il PC</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Riavvia ora</translation>
    </message>
    <message>
        <source>Revert colors</source>
        <translation>Ripristina colori</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>Salva e chiudi</translation>
    </message>
    <message>
        <source>Save changes when the window closes. Without it, closing the window brings back the saved settings.</source>
        <translation>Salva le modifiche alla chiusura della finestra. Se disattivato, chiudendo la finestra vengono ripristinate le impostazioni salvate.</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Orari</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Schermo</translation>
    </message>
    <message>
        <source>Screen effect</source>
        <translation>Effetto schermo</translation>
    </message>
    <message>
        <source>Screen effects</source>
        <translation>Effetti schermo</translation>
    </message>
    <message>
        <source>Send usage statistics</source>
        <translation>Invia statistiche d&apos;uso</translation>
    </message>
    <message>
        <source>Sephia</source>
        <translation>Seppia</translation>
    </message>
    <message>
        <source>Set the frequency again with every colour update, for screens that lose it.</source>
        <translation>Reimposta la frequenza a ogni aggiornamento dei colori, per gli schermi che la perdono.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Mostra le novità</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Semplice</translation>
    </message>
    <message>
        <source>Simple Inversion</source>
        <translation>Inversione semplice</translation>
    </message>
    <message>
        <source>Simple view</source>
        <translation>Vista semplice</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Sonno</translation>
    </message>
    <message>
        <source>Sleep Brightness</source>
        <translation>Luminosità del sonno</translation>
    </message>
    <message>
        <source>Sleep Light</source>
        <translation>Luce del sonno</translation>
    </message>
    <message>
        <source>Sleep Transition:</source>
        <translation>Transizione del sonno:</translation>
    </message>
    <message>
        <source>Smart Inversion 1</source>
        <translation>Inversione intelligente 1</translation>
    </message>
    <message>
        <source>Smart Inversion 2</source>
        <translation>Inversione intelligente 2</translation>
    </message>
    <message>
        <source>Smart Inversion 3</source>
        <translation>Inversione intelligente 3</translation>
    </message>
    <message>
        <source>Smart Inversion 4</source>
        <translation>Inversione intelligente 4</translation>
    </message>
    <message>
        <source>Smart Inversion 5</source>
        <translation>Inversione intelligente 5</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Start Kavo on startup</source>
        <translation>Avvia Kavo all&apos;avvio del sistema</translation>
    </message>
    <message>
        <source>Start Kavo when you log in.</source>
        <translation>Avvia Kavo quando accedi.</translation>
    </message>
    <message>
        <source>Start and end the night by the clock instead of by the sun.</source>
        <translation>Fai iniziare e finire la notte a orari fissi invece che con il sole.</translation>
    </message>
    <message>
        <source>Steps back until the screen is at its normal size.</source>
        <translation>Riduce a passi finché lo schermo non torna alle dimensioni normali.</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>Rigoroso</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Occhiali da sole</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Scambia colori</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The changes in this version of Kavo.</source>
        <translation>Le novità di questa versione di Kavo.</translation>
    </message>
    <message>
        <source>The colour temperature of the screen by day and by night, and inverted colours.</source>
        <translation>La temperatura di colore dello schermo di giorno e di notte, e i colori invertiti.</translation>
    </message>
    <message>
        <source>The colour that stays strongest at warm temperatures.</source>
        <translation>Il colore che resta più forte alle temperature calde.</translation>
    </message>
    <message>
        <source>The filter laid over the whole screen.</source>
        <translation>Il filtro applicato a tutto lo schermo.</translation>
    </message>
    <message>
        <source>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</source>
        <translation>La frequenza che Kavo imposta quando il controllo PWM è attivo. Chiedi al produttore dello schermo quali frequenze supporta.</translation>
    </message>
    <message>
        <source>The highest frequency the slider offers, in hertz.</source>
        <translation>La frequenza più alta offerta dal cursore, in hertz.</translation>
    </message>
    <message>
        <source>The language of Kavo&apos;s windows, menus and messages.</source>
        <translation>La lingua di finestre, menu e messaggi di Kavo.</translation>
    </message>
    <message>
        <source>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</source>
        <translation>La luna sposta gli orari del sole: la notte e il giorno iniziano prima, di un anticipo che passa dal valore della luna nuova a quello della luna piena man mano che la luna cresce.</translation>
    </message>
    <message>
        <source>The sleep period ends here.</source>
        <translation>Qui finisce il periodo di sonno.</translation>
    </message>
    <message>
        <source>The sleep period starts here.</source>
        <translation>Qui inizia il periodo di sonno.</translation>
    </message>
    <message>
        <source>The table of colours Kavo follows from warm to cold.</source>
        <translation>La tabella di colori che Kavo segue dal caldo al freddo.</translation>
    </message>
    <message>
        <source>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</source>
        <translation>Questo schermo non offre a Kavo alcun controllo PWM: il programma ausiliario kavo_get_pwm_frequency manca o non indica alcuna frequenza.</translation>
    </message>
    <message>
        <source>This desktop offers Kavo no backlight: the screen&apos;s brightness stays as it is.</source>
        <translation>Questo desktop non offre a Kavo alcuna retroilluminazione: la luminosità dello schermo resta com&apos;è.</translation>
    </message>
    <message>
        <source>This desktop&apos;s night light shows only the colour temperature: colour schemes, the leading colour and screen effects need gamma ramps.</source>
        <translation>La luce notturna di questo desktop mostra solo la temperatura di colore: gli schemi di colore, il colore guida e gli effetti dello schermo richiedono le rampe gamma.</translation>
    </message>
    <message>
        <source>Time zone offset:</source>
        <translation>Scostamento del fuso orario:</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transizione</translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation>Tritanomalia</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopia</translation>
    </message>
    <message>
        <source>Turn the chosen filter on or off.</source>
        <translation>Attiva o disattiva il filtro scelto.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Update continuously</source>
        <translation>Aggiorna di continuo</translation>
    </message>
    <message>
        <source>Use Advanced Settings</source>
        <translation>Usa impostazioni avanzate</translation>
    </message>
    <message>
        <source>Use Gamma Fixer</source>
        <translation>Usa la correzione gamma</translation>
    </message>
    <message>
        <source>Use software mouse cursor</source>
        <translation>Usa il cursore del mouse software</translation>
    </message>
    <message>
        <source>Use the coordinates below instead of the looked-up location.</source>
        <translation>Usa le coordinate qui sotto invece della posizione rilevata.</translation>
    </message>
    <message>
        <source>Use the sleep colours between bedtime and wake time.</source>
        <translation>Usa i colori del sonno tra l&apos;ora di coricarsi e l&apos;ora del risveglio.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Wake time:</source>
        <translation>Ora del risveglio:</translation>
    </message>
    <message>
        <source>Warmer, dimmer colours for the hours before you go to bed.</source>
        <translation>Colori più caldi e tenui per le ore prima di andare a letto.</translation>
    </message>
    <message>
        <source>Washout 1</source>
        <translation>Sbiadito 1</translation>
    </message>
    <message>
        <source>Washout 2</source>
        <translation>Sbiadito 2</translation>
    </message>
    <message>
        <source>Washout 3</source>
        <translation>Sbiadito 3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Novità</translation>
    </message>
    <message>
        <source>What to send with a request for help. Nothing leaves your computer unless you send it.</source>
        <translation>Cosa inviare con una richiesta di assistenza. Nulla lascia il computer se non lo invii tu.</translation>
    </message>
    <message>
        <source>Where Kavo computes sunrise and sunset for.</source>
        <translation>Il luogo per cui Kavo calcola alba e tramonto.</translation>
    </message>
    <message>
        <source>Where the desktop decides font smoothing itself, this choice has no effect.</source>
        <translation>Se è il desktop a decidere la smussatura dei caratteri, questa scelta non ha effetto.</translation>
    </message>
    <message>
        <source>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</source>
        <translation>Quali pagine e finestre apri, ogni volta con un nuovo numero casuale, mai il tuo nome o indirizzo. Solo se questa build di Kavo indica un indirizzo per le statistiche.</translation>
    </message>
    <message>
        <source>Zoom In:</source>
        <translation>Ingrandisci:</translation>
    </message>
    <message>
        <source>Zoom Out:</source>
        <translation>Riduci:</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Zooms the whole screen around the mouse pointer.</source>
        <translation>Ingrandisce tutto lo schermo attorno al puntatore del mouse.</translation>
    </message>
    <message>
        <source>day</source>
        <translation>giorno</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>nascosta</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mese</translation>
    </message>
    <message>
        <source>per minute</source>
        <translation>al minuto</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>pausa</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visibile</translation>
    </message>
    <message>
        <source>until</source>
        <translation>fino alla</translation>
    </message>
    <message>
        <source>week</source>
        <translation>settimana</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>A minute of exercises, shown step by step in the corner of your screen.</source>
        <translation>Un minuto di esercizi, mostrati passo per passo in un angolo dello schermo.</translation>
    </message>
    <message>
        <source>A program in front gets colours of its own: a film brighter, a reader warmer.</source>
        <translation>Il programma in primo piano ottiene colori propri: un film più luminoso, un lettore più caldo.</translation>
    </message>
    <message>
        <source>A short tone in the last seconds before a rest and before work.</source>
        <translation>Un breve suono negli ultimi secondi prima della pausa e prima del lavoro.</translation>
    </message>
    <message>
        <source>A small window in the corner of the screen with the count and the camera picture.</source>
        <translation>Una piccola finestra in un angolo dello schermo con il conteggio e l&apos;immagine della fotocamera.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applicazioni</translation>
    </message>
    <message>
        <source>Artificial intelligence (AI)</source>
        <translation>Intelligenza artificiale (IA)</translation>
    </message>
    <message>
        <source>Auto clicker</source>
        <translation>Clic automatico</translation>
    </message>
    <message>
        <source>Auto close rest screen</source>
        <translation>Chiudi automaticamente la schermata di pausa</translation>
    </message>
    <message>
        <source>Automatic brightness</source>
        <translation>Luminosità automatica</translation>
    </message>
    <message>
        <source>Back exercises</source>
        <translation>Esercizi per la schiena</translation>
    </message>
    <message>
        <source>Blink detection</source>
        <translation>Rilevamento dei battiti di ciglia</translation>
    </message>
    <message>
        <source>Blink screen</source>
        <translation>Finestra dei battiti di ciglia</translation>
    </message>
    <message>
        <source>Break every</source>
        <translation>Pausa ogni</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Fotocamera</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>Clic in corso</translation>
    </message>
    <message>
        <source>Clicks the left mouse button where the pointer is, again and again.</source>
        <translation>Fa clic con il tasto sinistro del mouse dove si trova il puntatore, più e più volte.</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Sospensione colori</translation>
    </message>
    <message>
        <source>Color triggers</source>
        <translation>Colori per programma</translation>
    </message>
    <message>
        <source>Colour changes pause while one of these programs shows: for drawing, photos and films.</source>
        <translation>I cambi di colore si sospendono mentre è visibile uno di questi programmi: per disegno, foto e film.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Continue when you are ready.</source>
        <translation>Continua quando sei pronto.</translation>
    </message>
    <message>
        <source>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</source>
        <translation>Conta i battiti di ciglia al minuto. Davanti a uno schermo si sbattono meno le palpebre; il conteggio te lo ricorda.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</source>
        <translation>Ctrl+Alt+Shift+F10 ripristina tutte le impostazioni, Ctrl+Alt+Shift+F11 chiude Kavo e Ctrl+Alt+Shift+F12 ripristina i colori, indipendentemente dalle scorciatoie sopra.</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>Diminuisci luminosità</translation>
    </message>
    <message>
        <source>Decrease temperature</source>
        <translation>Diminuisci temperatura</translation>
    </message>
    <message>
        <source>Dim the screen a little while it shows bright content.</source>
        <translation>Attenua un po&apos; lo schermo quando mostra contenuti luminosi.</translation>
    </message>
    <message>
        <source>End screen overlay</source>
        <translation>Disattiva overlay schermo</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Esercizi</translation>
    </message>
    <message>
        <source>Eye exercises</source>
        <translation>Esercizi per gli occhi</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Funzione</translation>
    </message>
    <message>
        <source>Fullscreen apps</source>
        <translation>App a schermo intero</translation>
    </message>
    <message>
        <source>Have a rest</source>
        <translation>Fai una pausa</translation>
    </message>
    <message>
        <source>In front now</source>
        <translation>Ora in primo piano</translation>
    </message>
    <message>
        <source>Incoming break</source>
        <translation>Pausa in arrivo</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>Aumenta luminosità</translation>
    </message>
    <message>
        <source>Increase temperature</source>
        <translation>Aumenta temperatura</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installa</translation>
    </message>
    <message>
        <source>Invert the colours while the screen shows mostly bright content.</source>
        <translation>Inverti i colori quando lo schermo mostra contenuti per lo più luminosi.</translation>
    </message>
    <message>
        <source>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</source>
        <translation>Kavo adatta lo schermo all&apos;ambiente e a ciò che mostra. Le immagini della fotocamera e gli screenshot vengono misurati e poi scartati: non vengono mai salvati né inviati.</translation>
    </message>
    <message>
        <source>Kavo listens to its shortcuts in every program.</source>
        <translation>Kavo riceve le sue scorciatoie in qualsiasi programma.</translation>
    </message>
    <message>
        <source>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</source>
        <translation>Kavo ti ricorda di far riposare gli occhi: una breve pausa dopo ogni periodo di lavoro.</translation>
    </message>
    <message>
        <source>Kavo version</source>
        <translation>Versione di Kavo</translation>
    </message>
    <message>
        <source>Keep the screen as bright as the room around it.</source>
        <translation>Mantieni lo schermo luminoso quanto l&apos;ambiente circostante.</translation>
    </message>
    <message>
        <source>Key combinations that reach Kavo from every program.</source>
        <translation>Combinazioni di tasti che raggiungono Kavo da qualsiasi programma.</translation>
    </message>
    <message>
        <source>Lite</source>
        <translation>Leggera</translation>
    </message>
    <message>
        <source>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</source>
        <translation>Leggera è solo un velo scuro con il tempo rimanente. Semplice e Standard sono pagine intere; Standard aggiunge l&apos;orologio e un&apos;idea per la pausa.</translation>
    </message>
    <message>
        <source>Look away from the screen and let your eyes relax.</source>
        <translation>Distogli lo sguardo dallo schermo e lascia riposare gli occhi.</translation>
    </message>
    <message>
        <source>Look far, roll and blink: eyes that focus on a screen all day need it most.</source>
        <translation>Guarda lontano, ruota gli occhi e sbatti le palpebre: gli occhi fissi su uno schermo tutto il giorno ne hanno più bisogno.</translation>
    </message>
    <message>
        <source>Manual or automatic</source>
        <translation>Manuale o automatica</translation>
    </message>
    <message>
        <source>Match brightness to lighting</source>
        <translation>Adatta la luminosità all&apos;illuminazione</translation>
    </message>
    <message>
        <source>Milliseconds between two clicks, at least 10.</source>
        <translation>Millisecondi tra due clic, almeno 10.</translation>
    </message>
    <message>
        <source>Minutes of work, then seconds of rest.</source>
        <translation>Minuti di lavoro, poi secondi di pausa.</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Sospensione mouse</translation>
    </message>
    <message>
        <source>Neck exercises</source>
        <translation>Esercizi per il collo</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</source>
        <translation>Le pause normali si possono saltare, quelle rigorose no. Produttivo mostra un piccolo conto alla rovescia invece di coprire lo schermo.</translation>
    </message>
    <message>
        <source>One program per line, named as it runs (vlc, kmplayer). Add fullscreen after a name to pause only while it fills the screen.</source>
        <translation>Un programma per riga, con il nome con cui viene eseguito (vlc, kmplayer). Aggiungi fullscreen dopo un nome per sospendere solo quando occupa tutto lo schermo.</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, bsplayer).</source>
        <translation>Un programma per riga, con il nome esatto con cui viene eseguito (vlc, bsplayer).</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, kmplayer).</source>
        <translation>Un programma per riga, con il nome esatto con cui viene eseguito (vlc, kmplayer).</translation>
    </message>
    <message>
        <source>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</source>
        <translation>Un programma per riga: nome = temperatura luminosità, per esempio vlc = 6500 120. Temperatura da 0 a 10000 K, luminosità da 10 a 150 %.</translation>
    </message>
    <message>
        <source>Pause colour changes while a listed program shows.</source>
        <translation>Sospendi i cambi di colore mentre è visibile un programma dell&apos;elenco.</translation>
    </message>
    <message>
        <source>Pause colour changes while any program fills the screen.</source>
        <translation>Sospendi i cambi di colore quando un programma occupa tutto lo schermo.</translation>
    </message>
    <message>
        <source>Pause or resume Kavo</source>
        <translation>Sospendi o riprendi Kavo</translation>
    </message>
    <message>
        <source>Pause or resume the timer</source>
        <translation>Sospendi o riprendi il timer</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>Rimanda</translation>
    </message>
    <message>
        <source>Postpone duration</source>
        <translation>Durata del rinvio</translation>
    </message>
    <message>
        <source>Press the new combination</source>
        <translation>Premi la nuova combinazione</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programmi</translation>
    </message>
    <message>
        <source>Programs and colours</source>
        <translation>Programmi e colori</translation>
    </message>
    <message>
        <source>Quit Kavo</source>
        <translation>Esci da Kavo</translation>
    </message>
    <message>
        <source>Rest screen</source>
        <translation>Schermata di pausa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Screen effects on or off</source>
        <translation>Attiva o disattiva effetti schermo</translation>
    </message>
    <message>
        <source>Overlays</source>
        <translation>Overlay</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensori</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Scorciatoia</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Slow turns and tilts for a neck that held one position too long.</source>
        <translation>Rotazioni e inclinazioni lente per un collo rimasto troppo a lungo nella stessa posizione.</translation>
    </message>
    <message>
        <source>Smart brightness</source>
        <translation>Luminosità intelligente</translation>
    </message>
    <message>
        <source>Smart inversion</source>
        <translation>Inversione intelligente</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Start a break</source>
        <translation>Inizia una pausa</translation>
    </message>
    <message>
        <source>Start screen overlay</source>
        <translation>Attiva overlay schermo</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Stop it here, from the tray menu or by quitting Kavo.</source>
        <translation>Fermalo qui, dal menu dell&apos;area di notifica o chiudendo Kavo.</translation>
    </message>
    <message>
        <source>Stop the break timer while a listed program shows.</source>
        <translation>Ferma il timer delle pause mentre è visibile un programma dell&apos;elenco.</translation>
    </message>
    <message>
        <source>Stop the break timer while any program fills the screen.</source>
        <translation>Ferma il timer delle pause quando un programma occupa tutto lo schermo.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Fermato</translation>
    </message>
    <message>
        <source>Stretches you can do standing beside your desk.</source>
        <translation>Esercizi di allungamento da fare in piedi accanto alla scrivania.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while a listed program shows.</source>
        <translation>Disattiva il cursore software mentre è visibile un programma dell&apos;elenco.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while any program fills the screen.</source>
        <translation>Disattiva il cursore software quando un programma occupa tutto lo schermo.</translation>
    </message>
    <message>
        <source>Ten seconds before a rest Kavo offers to move it by this many minutes.</source>
        <translation>Dieci secondi prima di una pausa Kavo propone di rimandarla di questi minuti.</translation>
    </message>
    <message>
        <source>The break timer stops while one of these programs shows: films, presentations, calls.</source>
        <translation>Il timer delle pause si ferma mentre è visibile uno di questi programmi: film, presentazioni, chiamate.</translation>
    </message>
    <message>
        <source>The camera measures the room light and the brightness follows it, a little every second.</source>
        <translation>La fotocamera misura la luce dell&apos;ambiente e la luminosità la segue, un po&apos; ogni secondo.</translation>
    </message>
    <message>
        <source>The program you are using, as the lists name it.</source>
        <translation>Il programma che stai usando, con il nome usato negli elenchi.</translation>
    </message>
    <message>
        <source>The rest is over</source>
        <translation>La pausa è finita</translation>
    </message>
    <message>
        <source>The software cursor goes while one of these programs shows: games draw their own.</source>
        <translation>Il cursore software scompare mentre è visibile uno di questi programmi: i giochi disegnano il proprio.</translation>
    </message>
    <message>
        <source>This is a strict rest: it ends by itself.</source>
        <translation>Questa è una pausa rigorosa: finisce da sola.</translation>
    </message>
    <message>
        <source>Time for a rest</source>
        <translation>È ora di una pausa</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Sospensione timer</translation>
    </message>
    <message>
        <source>Timer type</source>
        <translation>Tipo di timer</translation>
    </message>
    <message>
        <source>Use sounds</source>
        <translation>Usa i suoni</translation>
    </message>
    <message>
        <source>Use the colours of the list while a listed program is in front.</source>
        <translation>Usa i colori dell&apos;elenco quando un programma dell&apos;elenco è in primo piano.</translation>
    </message>
    <message>
        <source>Use the first camera for the room light and the blink count.</source>
        <translation>Usa la prima fotocamera per la luce ambiente e il conteggio dei battiti di ciglia.</translation>
    </message>
    <message>
        <source>What covers your monitors during a rest.</source>
        <translation>Cosa copre i monitor durante una pausa.</translation>
    </message>
    <message>
        <source>What the shortcut does.</source>
        <translation>Cosa fa la scorciatoia.</translation>
    </message>
    <message>
        <source>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</source>
        <translation>Finita la pausa, il lavoro riprende subito. Se disattivato, la schermata di pausa attende che tu continui.</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Lavoro</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>until rest</source>
        <translation>alla pausa</translation>
    </message>
    <message>
        <source>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</source>
        <translation>%b è enable o disable, %d un numero intero, %f un numero, %s una parola. Fai clic su un incantesimo per copiarlo nel campo di immissione.</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Click again to reset every setting</source>
        <translation>Fai di nuovo clic per ripristinare tutte le impostazioni</translation>
    </message>
    <message>
        <source>Enter your spell:</source>
        <translation>Scrivi il tuo incantesimo:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Hidden features</source>
        <translation>Funzioni nascoste</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Move your settings to another computer, or keep a copy.</source>
        <translation>Trasferisci le impostazioni su un altro computer o conservane una copia.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Settings exported</source>
        <translation>Impostazioni esportate</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>File delle impostazioni</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>Incantesimi</translation>
    </message>
    <message>
        <source>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</source>
        <translation>Gli incantesimi modificano impostazioni che non hanno un controllo nelle pagine. Gli stessi incantesimi funzionano dalla riga di comando: kavo &quot;type dark&quot;.</translation>
    </message>
    <message>
        <source>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</source>
        <translation>Uno strato colorato trasparente sopra lo schermo lo attenua e lo tinge più dei soli colori; i clic lo attraversano.</translation>
    </message>
    <message>
        <source>Day Dim</source>
        <translation>Attenuazione diurna</translation>
    </message>
    <message>
        <source>Day Opacity</source>
        <translation>Opacità diurna</translation>
    </message>
    <message>
        <source>How dark the surroundings are.</source>
        <translation>Quanto è scura la zona circostante.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is at night.</source>
        <translation>Quanto è più scuro di notte il colore dello strato.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is by day.</source>
        <translation>Quanto è più scuro di giorno il colore dello strato.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen at night.</source>
        <translation>Quanto lo strato copre lo schermo di notte.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen by day.</source>
        <translation>Quanto lo strato copre lo schermo di giorno.</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indaco</translation>
    </message>
    <message>
        <source>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</source>
        <translation>Mantiene un punto luminoso sullo schermo e scurisce ciò che lo circonda; i clic lo attraversano.</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Limone</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Punto luce</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Night Dim</source>
        <translation>Attenuazione notturna</translation>
    </message>
    <message>
        <source>Night Opacity</source>
        <translation>Opacità notturna</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacità</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <source>Overlay color</source>
        <translation>Colore dell&apos;overlay</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Porpora</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Raggio</translation>
    </message>
    <message>
        <source>Reset area</source>
        <translation>Ripristina area</translation>
    </message>
    <message>
        <source>Scarlet</source>
        <translation>Scarlatto</translation>
    </message>
    <message>
        <source>Screen overlay</source>
        <translation>Overlay schermo</translation>
    </message>
    <message>
        <source>Select an area, then drag over the screen: the area stays clear. Escape cancels.</source>
        <translation>Seleziona un&apos;area, poi trascina sullo schermo: l&apos;area resta libera. Esc annulla.</translation>
    </message>
    <message>
        <source>Select area</source>
        <translation>Seleziona area</translation>
    </message>
    <message>
        <source>Show the layer.</source>
        <translation>Mostra lo strato.</translation>
    </message>
    <message>
        <source>Show the spot.</source>
        <translation>Mostra il punto luminoso.</translation>
    </message>
    <message>
        <source>The colour of the layer.</source>
        <translation>Il colore dello strato.</translation>
    </message>
    <message>
        <source>The size of the bright spot.</source>
        <translation>La dimensione del punto luminoso.</translation>
    </message>
    <message>
        <source>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</source>
        <translation>Su questo desktop l&apos;effetto viene mostrato quando sei inattivo: dopo due secondi di inattività un&apos;immagine dello schermo con l&apos;effetto lo copre, finché non premi un tasto o muovi il mouse.</translation>
    </message>
    <message>
        <source>This effect shows at once.</source>
        <translation>Questo effetto viene mostrato subito.</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turchese</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Where the spot sits across the screen.</source>
        <translation>La posizione orizzontale del punto sullo schermo.</translation>
    </message>
    <message>
        <source>Where the spot sits down the screen.</source>
        <translation>La posizione verticale del punto sullo schermo.</translation>
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
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Settings imported</source>
        <translation>Impostazioni importate</translation>
    </message>
    <message>
        <source>Settings not imported</source>
        <translation>Impostazioni non importate</translation>
    </message>
    <message>
        <source>%1 conflicts with %2</source>
        <translation>%1 è in conflitto con %2</translation>
    </message>
    <message>
        <source>%1 conflicts with %2 color changes and you may see some ON/OFF flicker of the colors.
%2 automatically closes such apps, but please uninstall one of the apps if you still have problems.</source>
        <translation>%1 è in conflitto con i cambi di colore di %2 e potresti notare uno sfarfallio dei colori.
%2 chiude automaticamente queste app, ma se i problemi persistono disinstalla una delle due app.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Remaining %1</source>
        <translation>Tempo rimanente: %1</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>Nessuna fotocamera trovata</translation>
    </message>
    <message>
        <source>Object detectors not found</source>
        <translation>Rilevatori di oggetti non trovati</translation>
    </message>
    <message>
        <source>Invalid spell</source>
        <translation>Incantesimo non valido</translation>
    </message>
    <message>
        <source>The spell &quot;%1&quot; seems wrong. Check the syntax or try with some other hidden feature.
Use &quot;help&quot; to see the list of all hidden features :)</source>
        <translation>L&apos;incantesimo &quot;%1&quot; sembra errato. Controlla la sintassi o prova un&apos;altra funzione nascosta.
Usa &quot;help&quot; per vedere l&apos;elenco di tutte le funzioni nascoste :)</translation>
    </message>
    <message>
        <source>Hidden feature succeeded</source>
        <translation>Funzione nascosta eseguita</translation>
    </message>
    <message>
        <source>%1 succeeded</source>
        <translation>%1 eseguito</translation>
    </message>
    <message>
        <source>Invalid temperature</source>
        <translation>Temperatura non valida</translation>
    </message>
    <message>
        <source>%1 is invalid value for Color temperature. Use number between 0 and 10000.</source>
        <translation>%1 non è un valore valido per la temperatura di colore. Usa un numero tra 0 e 10000.</translation>
    </message>
    <message>
        <source>Temperature changed</source>
        <translation>Temperatura modificata</translation>
    </message>
    <message>
        <source>Color temperature changed to %1K</source>
        <translation>Temperatura di colore impostata a %1K</translation>
    </message>
    <message>
        <source>Invalid brightness</source>
        <translation>Luminosità non valida</translation>
    </message>
    <message>
        <source>%1 is invalid value for Brightness. Use number between 10 and 100.</source>
        <translation>%1 non è un valore valido per la luminosità. Usa un numero tra 10 e 100.</translation>
    </message>
    <message>
        <source>Brightness changed</source>
        <translation>Luminosità modificata</translation>
    </message>
    <message>
        <source>Brightness changed to %1%</source>
        <translation>Luminosità impostata al %1%</translation>
    </message>
    <message>
        <source>Invalid Night start time</source>
        <translation>Inizio della notte non valido</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night start time. Use number between 0 and 24.</source>
        <translation>%1 non è un valore valido per l&apos;inizio della notte. Usa un numero tra 0 e 24.</translation>
    </message>
    <message>
        <source>Night start time changed</source>
        <translation>Inizio della notte modificato</translation>
    </message>
    <message>
        <source>Manual night start time changed to %1h</source>
        <translation>Inizio manuale della notte impostato a %1h</translation>
    </message>
    <message>
        <source>Invalid Night end time</source>
        <translation>Fine della notte non valida</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night end time. Use number between 0 and 24.</source>
        <translation>%1 non è un valore valido per la fine della notte. Usa un numero tra 0 e 24.</translation>
    </message>
    <message>
        <source>Night end time changed</source>
        <translation>Fine della notte modificata</translation>
    </message>
    <message>
        <source>Manual night end time changed to %1h</source>
        <translation>Fine manuale della notte impostata a %1h</translation>
    </message>
    <message>
        <source>Kavo is switching to %1 type</source>
        <translation>Kavo sta passando al tipo %1</translation>
    </message>
    <message>
        <source>You will see the difference in your screen after a moment :)</source>
        <translation>Tra un attimo vedrai la differenza sullo schermo :)</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>Notifiche attivate</translation>
    </message>
    <message>
        <source>Hidden features notifications are enabled. They are show so you will know when your spell is successful</source>
        <translation>Le notifiche delle funzioni nascoste sono attivate. Vengono mostrate per farti sapere quando un incantesimo riesce</translation>
    </message>
    <message>
        <source>Notifications disabled</source>
        <translation>Notifiche disattivate</translation>
    </message>
    <message>
        <source>Hidden features notifications are disabled. This is the last notification that you will see</source>
        <translation>Le notifiche delle funzioni nascoste sono disattivate. Questa è l&apos;ultima notifica che vedrai</translation>
    </message>
    <message>
        <source>Gamma fixer enabled</source>
        <translation>Correzione gamma attivata</translation>
    </message>
    <message>
        <source>Gamma fixer is enabled. If notice slight color changing every second disable the Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini changes from time to time.</source>
        <translation>La correzione gamma è attivata. Se noti un leggero cambio di colore ogni secondo, disattivala di nuovo. La correzione gamma serve perché Windows ogni tanto ignora le piccole modifiche di Kavo.</translation>
    </message>
    <message>
        <source>Gamma fixer disabled</source>
        <translation>Correzione gamma disattivata</translation>
    </message>
    <message>
        <source>Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or click the Kavo mini icon several times. Both should force Kavo to change the screen colors.</source>
        <translation>La correzione gamma è disattivata. Se lo schermo diventa all&apos;improvviso luminoso, riattivala o fai clic più volte sull&apos;icona di Kavo mini. Entrambe le azioni costringono Kavo a cambiare i colori dello schermo.</translation>
    </message>
    <message>
        <source>Software cursor enabled</source>
        <translation>Cursore software attivato</translation>
    </message>
    <message>
        <source>Color changes will apply also on the cursor. If it starts to dissappear use disable software cursor to make it bright again.</source>
        <translation>I cambi di colore si applicheranno anche al cursore. Se inizia a scomparire, usa &quot;disable software cursor&quot; per renderlo di nuovo luminoso.</translation>
    </message>
    <message>
        <source>Hardware cursor enabled</source>
        <translation>Cursore hardware attivato</translation>
    </message>
    <message>
        <source>Color changes will not apply on the cursor. If you don&apos;t like the bright blue cursor at night use enable software cursor to make apply color changes on the cursor.</source>
        <translation>I cambi di colore non si applicheranno al cursore. Se di notte il cursore blu brillante ti dà fastidio, usa &quot;enable software cursor&quot; per applicare i cambi di colore anche al cursore.</translation>
    </message>
    <message>
        <source>Conflicting applications enabled</source>
        <translation>Applicazioni in conflitto consentite</translation>
    </message>
    <message>
        <source>Conflicting applications are enabled. You can now use other softwares which change the screen colors.</source>
        <translation>Le applicazioni in conflitto sono consentite. Ora puoi usare altri programmi che cambiano i colori dello schermo.</translation>
    </message>
    <message>
        <source>Conflicting applications disabled</source>
        <translation>Applicazioni in conflitto non consentite</translation>
    </message>
    <message>
        <source>Conflicting applications are disabled. In order to not cause flicker conflicting applications are disabled.</source>
        <translation>Le applicazioni in conflitto non sono consentite, per evitare lo sfarfallio.</translation>
    </message>
    <message>
        <source>Monitor %1 disabled</source>
        <translation>Monitor %1 disattivato</translation>
    </message>
    <message>
        <source>Kavo will not apply color changes to Monitor %1</source>
        <translation>Kavo non applicherà i cambi di colore al monitor %1</translation>
    </message>
    <message>
        <source>Monitor %1 enabled</source>
        <translation>Monitor %1 attivato</translation>
    </message>
    <message>
        <source>Kavo will apply color changes to Monitor %1</source>
        <translation>Kavo applicherà i cambi di colore al monitor %1</translation>
    </message>
    <message>
        <source>Color range is already expanded</source>
        <translation>La gamma di colori è già estesa</translation>
    </message>
    <message>
        <source>Color range is already expanded. If you have problems with lower values try to Restart your PC. If the problem persist write to us with info about your PC to test and fix this.</source>
        <translation>La gamma di colori è già estesa. Se hai problemi con i valori più bassi, prova a riavviare il PC. Se il problema persiste, scrivici con le informazioni sul tuo PC, così potremo verificarlo e risolverlo.</translation>
    </message>
    <message>
        <source>Expand color range Failed</source>
        <translation>Estensione della gamma di colori non riuscita</translation>
    </message>
    <message>
        <source>Expand color range Failed you need Admin permission to execute this</source>
        <translation>Estensione della gamma di colori non riuscita: servono i permessi di amministratore</translation>
    </message>
    <message>
        <source>No uninstaller in the App folder</source>
        <translation>Nessun programma di disinstallazione nella cartella dell&apos;app</translation>
    </message>
    <message>
        <source>There is not uninstaller in &quot;%1&quot;
 You can quit %2 and delete the folder by hand</source>
        <translation>Non c&apos;è alcun programma di disinstallazione in &quot;%1&quot;
 Puoi chiudere %2 ed eliminare la cartella a mano</translation>
    </message>
    <message>
        <source>Gamma preservation enabled</source>
        <translation>Conservazione della gamma attivata</translation>
    </message>
    <message>
        <source>Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day</source>
        <translation>Da ora Kavo rispetterà la calibrazione dei colori. Chiudi e riavvia Kavo mini: di giorno conserverà i tuoi colori</translation>
    </message>
    <message>
        <source>Gamma preservation disabled</source>
        <translation>Conservazione della gamma disattivata</translation>
    </message>
    <message>
        <source>Kavo will not respect your color calibration from now on. It will use the default monitor settings instead</source>
        <translation>Da ora Kavo non rispetterà la calibrazione dei colori e userà invece le impostazioni predefinite del monitor</translation>
    </message>
    <message>
        <source>Start at startup enabled</source>
        <translation>Avvio automatico attivato</translation>
    </message>
    <message>
        <source>Kavo mini will start when you turn ON your computer</source>
        <translation>Kavo mini si avvierà quando accendi il computer</translation>
    </message>
    <message>
        <source>Start at startup disabled</source>
        <translation>Avvio automatico disattivato</translation>
    </message>
    <message>
        <source>Kavo mini will not start when you turn ON your computer</source>
        <translation>Kavo mini non si avvierà quando accendi il computer</translation>
    </message>
    <message>
        <source>Tray icon rotation is enabled</source>
        <translation>Rotazione dell&apos;icona nell&apos;area di notifica attivata</translation>
    </message>
    <message>
        <source>The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>L&apos;icona nell&apos;area di notifica ruoterà mentre Kavo cambia i colori dello schermo. Serve a mostrare quando Kavo mini sta cambiando i colori e lo schermo non è calibrato</translation>
    </message>
    <message>
        <source>Tray icon rotation is disabled</source>
        <translation>Rotazione dell&apos;icona nell&apos;area di notifica disattivata</translation>
    </message>
    <message>
        <source>The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>L&apos;icona nell&apos;area di notifica non ruoterà mentre Kavo cambia i colori dello schermo. Questa funzione serve a mostrare quando Kavo mini sta cambiando i colori e lo schermo non è calibrato</translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation>Colori ripristinati</translation>
    </message>
    <message>
        <source>Screen colors are reset to default values</source>
        <translation>I colori dello schermo sono stati riportati ai valori predefiniti</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Impostazioni ripristinate</translation>
    </message>
    <message>
        <source>Kavo settings are reset to default values</source>
        <translation>Le impostazioni di Kavo sono state riportate ai valori predefiniti</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled</source>
        <translation>Hook della tastiera attivato</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled. You can now use system-wide shortcuts.</source>
        <translation>Hook della tastiera attivato. Ora puoi usare le scorciatoie a livello di sistema.</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled</source>
        <translation>Hook della tastiera disattivato</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled. Some shortcuts and features may not work as intended</source>
        <translation>Hook della tastiera disattivato. Alcune scorciatoie e funzioni potrebbero non funzionare come previsto</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled</source>
        <translation>Scorciatoie da tastiera attivate</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled. You can now use Kavo shortcuts.</source>
        <translation>Scorciatoie da tastiera attivate. Ora puoi usare le scorciatoie di Kavo.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled</source>
        <translation>Scorciatoie da tastiera disattivate</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled. Kavo shortcuts will not work</source>
        <translation>Scorciatoie da tastiera disattivate. Le scorciatoie di Kavo non funzioneranno</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled</source>
        <translation>Scorciatoie di emergenza attivate</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.</source>
        <translation>Scorciatoie di emergenza attivate. Ora puoi usare le scorciatoie di emergenza di Kavo.</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled</source>
        <translation>Scorciatoie di emergenza disattivate</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work</source>
        <translation>Scorciatoie di emergenza disattivate. Le scorciatoie di emergenza di Kavo non funzioneranno</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled</source>
        <translation>Tutte le scorciatoie e gli hook della tastiera attivati</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.</source>
        <translation>Tutte le scorciatoie e gli hook della tastiera attivati. Ora puoi usare le scorciatoie di sistema, di Kavo e di emergenza.</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled</source>
        <translation>Tutte le scorciatoie e gli hook della tastiera disattivati</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work</source>
        <translation>Tutte le scorciatoie e gli hook della tastiera disattivati. Le scorciatoie di sistema, di Kavo e di emergenza non funzioneranno</translation>
    </message>
    <message>
        <source>Manual temperature enabled</source>
        <translation>Temperatura manuale attivata</translation>
    </message>
    <message>
        <source>You are now using Kavo Mixed mode</source>
        <translation>Ora stai usando la modalità mista di Kavo</translation>
    </message>
    <message>
        <source>Manual temperature disabled</source>
        <translation>Temperatura manuale disattivata</translation>
    </message>
    <message>
        <source>Kavo will use your selected mode for temperature again</source>
        <translation>Kavo userà di nuovo la modalità selezionata per la temperatura</translation>
    </message>
    <message>
        <source>Manual brightness enabled</source>
        <translation>Luminosità manuale attivata</translation>
    </message>
    <message>
        <source>You are now using Kavo mini Mixed mode</source>
        <translation>Ora stai usando la modalità mista di Kavo mini</translation>
    </message>
    <message>
        <source>Manual brightness disabled</source>
        <translation>Luminosità manuale disattivata</translation>
    </message>
    <message>
        <source>Kavo mini will use your selected mode for brightness again</source>
        <translation>Kavo mini userà di nuovo la modalità selezionata per la luminosità</translation>
    </message>
    <message>
        <source>Zero blue light</source>
        <translation>Nessuna luce blu</translation>
    </message>
    <message>
        <source>All blue light is removed from the screen</source>
        <translation>Tutta la luce blu è stata tolta dallo schermo</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inversione</translation>
    </message>
    <message>
        <source>Colors are inverted</source>
        <translation>I colori sono invertiti</translation>
    </message>
    <message>
        <source>Manual location enabled</source>
        <translation>Posizione manuale attivata</translation>
    </message>
    <message>
        <source>Kavo mini will use your manual location. Set latitude and longitude with the hidden features</source>
        <translation>Kavo mini userà la posizione manuale. Imposta latitudine e longitudine con le funzioni nascoste</translation>
    </message>
    <message>
        <source>Manual location disabled</source>
        <translation>Posizione manuale disattivata</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini userà la posizione automatica. La posizione serve a calcolare dove si trova il sole e la durata del giorno e della notte</translation>
    </message>
    <message>
        <source>Latitude changed</source>
        <translation>Latitudine modificata</translation>
    </message>
    <message>
        <source>Latitude changed to %1°</source>
        <translation>Latitudine impostata a %1°</translation>
    </message>
    <message>
        <source>Longitude changed</source>
        <translation>Longitudine modificata</translation>
    </message>
    <message>
        <source>Longitude changed to %1°</source>
        <translation>Longitudine impostata a %1°</translation>
    </message>
    <message>
        <source>Manual night duration enabled</source>
        <translation>Durata manuale della notte attivata</translation>
    </message>
    <message>
        <source>Kavo mini will use manual night duration. Set start and end time with the hidden features</source>
        <translation>Kavo mini userà la durata manuale della notte. Imposta l&apos;inizio e la fine con le funzioni nascoste</translation>
    </message>
    <message>
        <source>Manual night duration disabled</source>
        <translation>Durata manuale della notte disattivata</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini userà la durata automatica della notte in base alla posizione. La posizione serve a calcolare dove si trova il sole e la durata del giorno e della notte</translation>
    </message>
    <message>
        <source>No File selected for Export</source>
        <translation>Nessun file selezionato per l&apos;esportazione</translation>
    </message>
    <message>
        <source>Failed to write file for Export: %1</source>
        <translation>Impossibile scrivere il file per l&apos;esportazione: %1</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>Impostazioni esportate in %1</translation>
    </message>
    <message>
        <source>No File selected for Import</source>
        <translation>Nessun file selezionato per l&apos;importazione</translation>
    </message>
    <message>
        <source>Failed to open file for Import</source>
        <translation>Impossibile aprire il file per l&apos;importazione</translation>
    </message>
    <message>
        <source>File too large for Import (over 1 MiB): %1</source>
        <translation>File troppo grande per l&apos;importazione (oltre 1 MiB): %1</translation>
    </message>
    <message>
        <source>Settings too large for Import (over 1 MiB)</source>
        <translation>Impostazioni troppo grandi per l&apos;importazione (oltre 1 MiB)</translation>
    </message>
    <message>
        <source>Not a Kavo settings file: it does not start with the &quot;#Created by&quot; header</source>
        <translation>Non è un file delle impostazioni di Kavo: non inizia con l&apos;intestazione &quot;#Created by&quot;</translation>
    </message>
    <message>
        <source>No settings to import: the file holds no setting Kavo knows</source>
        <translation>Nessuna impostazione da importare: il file non contiene impostazioni note a Kavo</translation>
    </message>
    <message>
        <source>Settings not writable: the import was not saved</source>
        <translation>Impossibile scrivere le impostazioni: l&apos;importazione non è stata salvata</translation>
    </message>
    <message>
        <source>%1 settings imported</source>
        <translation>%1 impostazioni importate</translation>
    </message>
    <message>
        <source>, %1 unknown keys ignored</source>
        <translation>, %1 chiavi sconosciute ignorate</translation>
    </message>
    <message>
        <source>, %1 invalid lines skipped</source>
        <translation>, %1 righe non valide saltate</translation>
    </message>
    <message>
        <source>%1 until work</source>
        <translation>%1 al lavoro</translation>
    </message>
    <message>
        <source>%1 until rest</source>
        <translation>%1 alla pausa</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in %2 minutes.</source>
        <translation>%1 ti ricorda che tra %2 minuti inizierà una pausa lunga.</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in 30 seconds.</source>
        <translation>%1 ti ricorda che tra 30 secondi inizierà una pausa lunga.</translation>
    </message>
    <message>
        <source>Big rest incoming</source>
        <translation>Pausa lunga in arrivo</translation>
    </message>
    <message>
        <source>work</source>
        <translation>lavoro</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Back to work</source>
        <translation>Torna al lavoro</translation>
    </message>
    <message>
        <source>Bend forward and let your arms hang loose.</source>
        <translation>Piegati in avanti e lascia penzolare le braccia.</translation>
    </message>
    <message>
        <source>Blink often: screens make us forget to.</source>
        <translation>Sbatti spesso le palpebre: davanti allo schermo ce ne dimentichiamo.</translation>
    </message>
    <message>
        <source>Blink quickly for a few seconds, then close your eyes.</source>
        <translation>Sbatti rapidamente le palpebre per qualche secondo, poi chiudi gli occhi.</translation>
    </message>
    <message>
        <source>Break is coming in %1</source>
        <translation>Pausa tra %1</translation>
    </message>
    <message>
        <source>Bring your chin to your chest and lift it back slowly.</source>
        <translation>Porta il mento al petto e rialzalo lentamente.</translation>
    </message>
    <message>
        <source>Close your eyes and breathe slowly.</source>
        <translation>Chiudi gli occhi e respira lentamente.</translation>
    </message>
    <message>
        <source>Drink a glass of water.</source>
        <translation>Bevi un bicchiere d&apos;acqua.</translation>
    </message>
    <message>
        <source>Esc keeps the shortcut, Backspace removes it.</source>
        <translation>Esc mantiene la scorciatoia, Backspace la rimuove.</translation>
    </message>
    <message>
        <source>Hide the camera picture</source>
        <translation>Nascondi l&apos;immagine della fotocamera</translation>
    </message>
    <message>
        <source>Hold Ctrl, Alt or Meta with this key.</source>
        <translation>Tieni premuto Ctrl, Alt o Meta insieme a questo tasto.</translation>
    </message>
    <message>
        <source>Kavo cannot use this key in a shortcut.</source>
        <translation>Kavo non può usare questo tasto in una scorciatoia.</translation>
    </message>
    <message>
        <source>Look at something at least six metres away.</source>
        <translation>Guarda qualcosa ad almeno sei metri di distanza.</translation>
    </message>
    <message>
        <source>Look at something far away, out of a window if you can.</source>
        <translation>Guarda qualcosa di lontano, fuori dalla finestra se puoi.</translation>
    </message>
    <message>
        <source>Look up, down, left and right, holding each for a breath.</source>
        <translation>Guarda in alto, in basso, a sinistra e a destra, fermandoti in ogni posizione per un respiro.</translation>
    </message>
    <message>
        <source>Monitor %1</source>
        <translation>Monitor %1</translation>
    </message>
    <message>
        <source>Put your hands on your hips and lean back gently.</source>
        <translation>Metti le mani sui fianchi e inclinati delicatamente all&apos;indietro.</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Roll your shoulders back a few times.</source>
        <translation>Ruota le spalle all&apos;indietro alcune volte.</translation>
    </message>
    <message>
        <source>Roll your shoulders back five times.</source>
        <translation>Ruota le spalle all&apos;indietro cinque volte.</translation>
    </message>
    <message>
        <source>Show the camera picture</source>
        <translation>Mostra l&apos;immagine della fotocamera</translation>
    </message>
    <message>
        <source>Slowly roll your eyes in a circle, then the other way.</source>
        <translation>Ruota lentamente gli occhi in cerchio, poi nell&apos;altro senso.</translation>
    </message>
    <message>
        <source>Stand up and reach both arms above your head.</source>
        <translation>Alzati e solleva entrambe le braccia sopra la testa.</translation>
    </message>
    <message>
        <source>Stand up and stretch your arms above your head.</source>
        <translation>Alzati e allunga le braccia sopra la testa.</translation>
    </message>
    <message>
        <source>Step %1 / %2</source>
        <translation>Passo %1 / %2</translation>
    </message>
    <message>
        <source>The camera is off</source>
        <translation>La fotocamera è spenta</translation>
    </message>
    <message>
        <source>Tilt your ear toward your shoulder on each side.</source>
        <translation>Inclina la testa portando l&apos;orecchio verso la spalla, da entrambi i lati.</translation>
    </message>
    <message>
        <source>Turn your head slowly to the left and hold, then to the right.</source>
        <translation>Gira lentamente la testa a sinistra e mantieni la posizione, poi a destra.</translation>
    </message>
    <message>
        <source>Twist your upper body slowly to each side.</source>
        <translation>Ruota lentamente il busto da un lato e poi dall&apos;altro.</translation>
    </message>
    <message>
        <source>blink detection is off</source>
        <translation>rilevamento dei battiti di ciglia disattivato</translation>
    </message>
    <message>
        <source>until work</source>
        <translation>al lavoro</translation>
    </message>
    <message>
        <source>Kavo Settings File (*.kavo_settings *.kavo)</source>
        <translation>File delle impostazioni di Kavo (*.kavo_settings *.kavo)</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>Salva file...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Apri file...</translation>
    </message>
    <message>
        <source>This window cannot be shown: Kavo&apos;s web part is missing.</source>
        <translation>Impossibile mostrare questa finestra: manca il modulo web di Kavo.</translation>
    </message>
    <message>
        <source>Camera features are missing</source>
        <translation>Le funzioni della fotocamera non sono disponibili</translation>
    </message>
    <message>
        <source>Settings cannot be saved</source>
        <translation>Impossibile salvare le impostazioni</translation>
    </message>
    <message>
        <source>Wayland lets no program click for the user: the auto clicker is not available.</source>
        <translation>Wayland non permette a nessun programma di fare clic al posto tuo: il clic automatico non è disponibile.</translation>
    </message>
    <message>
        <source>Wayland lets no program draw the mouse cursor: the software cursor is not available.</source>
        <translation>Wayland non permette a nessun programma di disegnare il cursore del mouse: il cursore software non è disponibile.</translation>
    </message>
    <message>
        <source>Wayland gives ordinary programs no picture of the screen: effects that work on a picture while you are idle are not available.</source>
        <translation>Wayland non dà ai programmi comuni alcuna immagine dello schermo: gli effetti che lavorano su un&apos;immagine mentre sei inattivo non sono disponibili.</translation>
    </message>
    <message>
        <source>GNOME tells no program which window is in front (that needs a Shell extension): pausers and triggers cannot see programs.</source>
        <translation>GNOME non dice a nessun programma quale finestra è in primo piano (servirebbe un&apos;estensione della Shell): le pause e gli attivatori non possono vedere i programmi.</translation>
    </message>
    <message>
        <source>This compositor tells no program which window is in front: pausers and triggers cannot see programs.</source>
        <translation>Questo compositor non dice a nessun programma quale finestra è in primo piano: le pause e gli attivatori non possono vedere i programmi.</translation>
    </message>
    <message>
        <source>This desktop does not say when you are idle: inactivity does not stop the timer.</source>
        <translation>Questo desktop non dice quando sei inattivo: l&apos;inattività non ferma il timer.</translation>
    </message>
    <message>
        <source>This desktop keeps keys to itself: bind each shortcut in the compositor&apos;s configuration, for example in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; or in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lists the actions).</source>
        <translation>Questo desktop tiene i tasti per sé: assegna ogni scorciatoia nella configurazione del compositor, per esempio in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; o in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help elenca le azioni).</translation>
    </message>
    <message>
        <source>This desktop lets no window lie over everything: the overlay&apos;s colour goes through the screen&apos;s colours, and the lightness spot is not shown.</source>
        <translation>Questo desktop non permette a nessuna finestra di stare sopra tutto: il colore della sovrapposizione passa attraverso i colori dello schermo e il faretto non viene mostrato.</translation>
    </message>
    <message>
        <source>This desktop lets no program take the keyboard: strict breaks cannot keep other programs from keys.</source>
        <translation>Questo desktop non permette a nessun programma di prendere la tastiera: le pause rigide non possono tenere gli altri programmi lontani dai tasti.</translation>
    </message>
    <message>
        <source>This desktop has no tray (no StatusNotifierWatcher): start Kavo again to open its window.</source>
        <translation>Questo desktop non ha un&apos;area di notifica (nessun StatusNotifierWatcher): avvia di nuovo Kavo per aprire la sua finestra.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Personalizzato</translation>
    </message>
    <message>
        <source>&amp;Health</source>
        <translation>&amp;Salute</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>So&amp;nno</translation>
    </message>
    <message>
        <source>&amp;Gaming</source>
        <translation>&amp;Giochi</translation>
    </message>
    <message>
        <source>&amp;Reading</source>
        <translation>&amp;Lettura</translation>
    </message>
    <message>
        <source>&amp;Programming</source>
        <translation>P&amp;rogrammazione</translation>
    </message>
    <message>
        <source>&amp;Biohacker</source>
        <translation>&amp;Biohacker</translation>
    </message>
    <message>
        <source>&amp;Sunglasses</source>
        <translation>&amp;Occhiali da sole</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>S&amp;curo</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>&amp;Film</translation>
    </message>
    <message>
        <source>&amp;Overlay</source>
        <translation>O&amp;verlay</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Sospensione colori</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Sospensione timer</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Sospensione mouse</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>&amp;Change mode</source>
        <translation>&amp;Cambia modalità</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automatica</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuale</translation>
    </message>
    <message>
        <source>&amp;Paused</source>
        <translation>In &amp;pausa</translation>
    </message>
    <message>
        <source>Stop auto clicker</source>
        <translation>Ferma il clic automatico</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
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
