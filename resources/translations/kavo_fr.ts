<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Nouveautés</translation>
    </message>
    <message>
        <source>This build of Kavo names no page with its changes.</source>
        <translation>Cette version de Kavo n&apos;indique aucune page de nouveautés.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>This build of Kavo names no website.</source>
        <translation>Cette version de Kavo n&apos;indique aucun site web.</translation>
    </message>
    <message>
        <source>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</source>
        <translation>Ce bureau ne peut pas dessiner le curseur de la souris par logiciel&#xa0;: le curseur reste tel quel.</translation>
    </message>
</context>
<context>
    <name>ColorTriggers</name>
    <message>
        <source>Line %1 is not &quot;program = temperature brightness&quot;: %2</source>
        <translation>La ligne %1 n&apos;a pas la forme «&#xa0;programme = température luminosité&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Cyclops</name>
    <message>
        <source>Restart your PC</source>
        <translation>Redémarrez votre PC</translation>
    </message>
    <message>
        <source>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</source>
        <translation>Kavo a fait une petite modification pour permettre des valeurs plus basses. Redémarrez votre PC une fois pour profiter de toutes les fonctions.</translation>
    </message>
    <message>
        <source>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</source>
        <translation>Certaines fonctions sont limitées, car votre PC doit être redémarré. Kavo utilise pour l&apos;instant l&apos;API de couleur de haut niveau.</translation>
    </message>
</context>
<context>
    <name>DebugConsoleWindow</name>
    <message>
        <source>Copy all</source>
        <translation>Tout copier</translation>
    </message>
</context>
<context>
    <name>DebugInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>CLIQUEZ POUR COPIER LE TEXTE DANS LE PRESSE-PAPIERS</translation>
    </message>
</context>
<context>
    <name>MagnificationApi</name>
    <message>
        <source>Kavo Color Effects</source>
        <translation>Effets de couleur Kavo</translation>
    </message>
    <message>
        <source>Failed to initialize color effects.</source>
        <translation>Impossible d&apos;initialiser les effets de couleur.</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message>
        <source>sec</source>
        <translation>s</translation>
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
        <translation>Travail/Pause</translation>
    </message>
    <message>
        <source>Reset timer</source>
        <translation>Réinitialiser le minuteur</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>Pause/Reprise</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Minuteur en pause</translation>
    </message>
</context>
<context>
    <name>TransitionTimesInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>CLIQUEZ POUR COPIER LE TEXTE DANS LE PRESSE-PAPIERS</translation>
    </message>
    <message>
        <source>Detected current Clock time</source>
        <translation>Heure actuelle détectée</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Heure locale</translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation>Heure UTC</translation>
    </message>
    <message>
        <source>Day start time</source>
        <translation>Début du jour</translation>
    </message>
    <message>
        <source>Day transition start time</source>
        <translation>Début de la transition du jour</translation>
    </message>
    <message>
        <source>Day transition end time</source>
        <translation>Fin de la transition du jour</translation>
    </message>
    <message>
        <source>Day end time</source>
        <translation>Fin du jour</translation>
    </message>
    <message>
        <source>Night start time</source>
        <translation>Début de la nuit</translation>
    </message>
    <message>
        <source>Night transition start time</source>
        <translation>Début de la transition de la nuit</translation>
    </message>
    <message>
        <source>Night transition end time</source>
        <translation>Fin de la transition de la nuit</translation>
    </message>
    <message>
        <source>Night end time</source>
        <translation>Fin de la nuit</translation>
    </message>
    <message>
        <source>Day duration</source>
        <translation>Durée du jour</translation>
    </message>
    <message>
        <source>Day transition duration</source>
        <translation>Durée de la transition du jour</translation>
    </message>
    <message>
        <source>Night duration</source>
        <translation>Durée de la nuit</translation>
    </message>
    <message>
        <source>Night transition duration</source>
        <translation>Durée de la transition de la nuit</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Custom Time zone offset</source>
        <translation>Décalage horaire personnalisé</translation>
    </message>
    <message>
        <source>Sunrise time</source>
        <translation>Lever du soleil</translation>
    </message>
    <message>
        <source>Sunset time</source>
        <translation>Coucher du soleil</translation>
    </message>
    <message>
        <source>New moon offset</source>
        <translation>Décalage de nouvelle lune</translation>
    </message>
    <message>
        <source>Full moon offset</source>
        <translation>Décalage de pleine lune</translation>
    </message>
    <message>
        <source>Current moon offset</source>
        <translation>Décalage lunaire actuel</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Heure du coucher</translation>
    </message>
    <message>
        <source>Bedtime transition start time</source>
        <translation>Début de la transition du coucher</translation>
    </message>
    <message>
        <source>Bedtime transition end time</source>
        <translation>Fin de la transition du coucher</translation>
    </message>
    <message>
        <source>Bedtime end time</source>
        <translation>Fin de la période de sommeil</translation>
    </message>
    <message>
        <source>Wake time</source>
        <translation>Heure du réveil</translation>
    </message>
    <message>
        <source>Wake time transition start time</source>
        <translation>Début de la transition du réveil</translation>
    </message>
    <message>
        <source>Wake time transition end time</source>
        <translation>Fin de la transition du réveil</translation>
    </message>
    <message>
        <source>Wake time end time</source>
        <translation>Fin de la période d&apos;éveil</translation>
    </message>
    <message>
        <source>Sleep duration</source>
        <translation>Durée du sommeil</translation>
    </message>
    <message>
        <source>Sleep transition duration</source>
        <translation>Durée de la transition du sommeil</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Use Automatic Location</source>
        <translation>Utiliser la position automatique</translation>
    </message>
    <message>
        <source>Use Manual Night Duration</source>
        <translation>Utiliser une durée de nuit manuelle</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>Loading...</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>Location unknown: set it by hand</source>
        <translation>Position inconnue&#xa0;: indiquez-la manuellement</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>Nouvelle version disponible</translation>
    </message>
    <message>
        <source>Kavo %1 is available</source>
        <translation>Kavo %1 est disponible</translation>
    </message>
    <message>
        <source>This build of Kavo names no update server</source>
        <translation>Cette version de Kavo n&apos;indique aucun serveur de mises à jour</translation>
    </message>
    <message>
        <source>No answer from the update server</source>
        <translation>Le serveur de mises à jour ne répond pas</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read</source>
        <translation>La réponse du serveur de mises à jour est illisible</translation>
    </message>
    <message>
        <source>Kavo is up to date</source>
        <translation>Kavo est à jour</translation>
    </message>
    <message>
        <source>100 % leaves colours as they are; 0 % is grey.</source>
        <translation>100 % laisse les couleurs telles quelles&#xa0;; 0 % donne du gris.</translation>
    </message>
    <message>
        <source>A cursor drawn in software takes on the screen colours.</source>
        <translation>Un curseur dessiné par logiciel prend les couleurs de l&apos;écran.</translation>
    </message>
    <message>
        <source>A window with Kavo&apos;s log as it is written. Click again to close it.</source>
        <translation>Une fenêtre qui affiche le journal de Kavo au fil de l&apos;eau. Cliquez à nouveau pour la fermer.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Allows values from 0 K (deep red) to 10000 K (cold blue).</source>
        <translation>Autorise les valeurs de 0 K (rouge profond) à 10000 K (bleu froid).</translation>
    </message>
    <message>
        <source>Allows values from 10 % to 150 %.</source>
        <translation>Autorise les valeurs de 10 % à 150 %.</translation>
    </message>
    <message>
        <source>Apply the saturation above.</source>
        <translation>Appliquer la saturation ci-dessus.</translation>
    </message>
    <message>
        <source>Ask the update server once, whatever the settings above.</source>
        <translation>Interroger une fois le serveur de mises à jour, quels que soient les paramètres ci-dessus.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Mises à jour automatiques</translation>
    </message>
    <message>
        <source>Autosave settings changes</source>
        <translation>Enregistrer automatiquement les modifications</translation>
    </message>
    <message>
        <source>Bedtime:</source>
        <translation>Heure du coucher&#xa0;:</translation>
    </message>
    <message>
        <source>Biohacker</source>
        <translation>Biohacker</translation>
    </message>
    <message>
        <source>Block keyboard on strict mode</source>
        <translation>Bloquer le clavier en mode strict</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Blue light</source>
        <translation>Lumière bleue</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</source>
        <translation>Luminosité après le coucher du soleil. Dans une pièce sombre, un écran moins lumineux fatigue moins les yeux.</translation>
    </message>
    <message>
        <source>Brightness in daylight, in percent of the full screen brightness.</source>
        <translation>Luminosité en journée, en pourcentage de la luminosité maximale de l&apos;écran.</translation>
    </message>
    <message>
        <source>Brightness of the sleep period.</source>
        <translation>Luminosité de la période de sommeil.</translation>
    </message>
    <message>
        <source>Build this window only when it is first opened, which saves memory and start-up time.</source>
        <translation>Ne construire cette fenêtre qu&apos;à sa première ouverture, ce qui économise de la mémoire et du temps de démarrage.</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>Processeur</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</source>
        <translation>Modifier légèrement chaque nouvelle rampe de couleurs, pour qu&apos;un pilote graphique qui ignore une rampe répétée reprenne les couleurs de Kavo, par exemple après qu&apos;un jeu les a réinitialisées.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Choisir les pages</translation>
    </message>
    <message>
        <source>Choose the monitors Kavo changes, and whether each has colours of its own.</source>
        <translation>Choisissez les écrans que Kavo modifie et si chacun a ses propres couleurs.</translation>
    </message>
    <message>
        <source>ClearType</source>
        <translation>ClearType</translation>
    </message>
    <message>
        <source>ClearType with alternative renderer</source>
        <translation>ClearType avec moteur de rendu alternatif</translation>
    </message>
    <message>
        <source>Click to copy the text to the clipboard</source>
        <translation>Cliquez pour copier le texte dans le presse-papiers</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Closing the window hides it instead of minimising it.</source>
        <translation>Fermer la fenêtre la masque au lieu de la réduire.</translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation>Palette de couleurs</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Température de couleur</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</source>
        <translation>Température de couleur après le coucher du soleil. Une lumière chaude le soir ménage votre sommeil.</translation>
    </message>
    <message>
        <source>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</source>
        <translation>Température de couleur en journée. 6500 K est neutre&#xa0;; les valeurs plus basses sont plus chaudes et contiennent moins de lumière bleue.</translation>
    </message>
    <message>
        <source>Colour temperature of the sleep period.</source>
        <translation>Température de couleur de la période de sommeil.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Day Brightness</source>
        <translation>Luminosité de jour</translation>
    </message>
    <message>
        <source>Day Light</source>
        <translation>Lumière de jour</translation>
    </message>
    <message>
        <source>Day Temperature</source>
        <translation>Température de jour</translation>
    </message>
    <message>
        <source>Day Transition:</source>
        <translation>Transition du jour&#xa0;:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Débogage</translation>
    </message>
    <message>
        <source>Debug console</source>
        <translation>Console de débogage</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>Informations de débogage</translation>
    </message>
    <message>
        <source>Degrees east; negative in the west.</source>
        <translation>Degrés est&#xa0;; négatif à l&apos;ouest.</translation>
    </message>
    <message>
        <source>Degrees north; negative in the south.</source>
        <translation>Degrés nord&#xa0;; négatif au sud.</translation>
    </message>
    <message>
        <source>Desaturated</source>
        <translation>Désaturé</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>Deutéranomalie</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deutéranopie</translation>
    </message>
    <message>
        <source>During strict breaks the keyboard does nothing.</source>
        <translation>Pendant les pauses strictes, le clavier est inactif.</translation>
    </message>
    <message>
        <source>Each step enlarges the screen a little more.</source>
        <translation>Chaque pas agrandit l&apos;écran un peu plus.</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Every language is named in its own words.</source>
        <translation>Chaque langue est nommée dans sa propre langue.</translation>
    </message>
    <message>
        <source>Extended values</source>
        <translation>Valeurs étendues</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Fonts type</source>
        <translation>Lissage des polices</translation>
    </message>
    <message>
        <source>Full Moon offset:</source>
        <translation>Décalage de pleine lune&#xa0;:</translation>
    </message>
    <message>
        <source>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</source>
        <translation>Filtres de couleur plein écran&#xa0;: niveaux de gris, inversions, sépia et filtres pour la vision des couleurs.</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>Carte graphique</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>Jeux</translation>
    </message>
    <message>
        <source>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</source>
        <translation>Donner à chaque écran sa propre température et sa propre luminosité&#xa0;; choisissez l&apos;écran avec les onglets ci-dessus.</translation>
    </message>
    <message>
        <source>Grayclase Red</source>
        <translation>Niveaux de gris en rouge</translation>
    </message>
    <message>
        <source>Grayscale 1</source>
        <translation>Niveaux de gris 1</translation>
    </message>
    <message>
        <source>Grayscale 2</source>
        <translation>Niveaux de gris 2</translation>
    </message>
    <message>
        <source>Grayscale 3</source>
        <translation>Niveaux de gris 3</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Groot</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Hide Taskbar icon on close</source>
        <translation>Masquer l&apos;icône de la barre des tâches à la fermeture</translation>
    </message>
    <message>
        <source>How Kavo fits into your desktop.</source>
        <translation>Comment Kavo s&apos;intègre à votre bureau.</translation>
    </message>
    <message>
        <source>How Kavo keeps its colours on the screen.</source>
        <translation>Comment Kavo maintient ses couleurs à l&apos;écran.</translation>
    </message>
    <message>
        <source>How Kavo keeps your settings and notices that you are away.</source>
        <translation>Comment Kavo conserve vos paramètres et remarque votre absence.</translation>
    </message>
    <message>
        <source>How a colour temperature turns into screen colours.</source>
        <translation>Comment une température de couleur devient des couleurs à l&apos;écran.</translation>
    </message>
    <message>
        <source>How bright the screen is by day and by night.</source>
        <translation>La luminosité de l&apos;écran le jour et la nuit.</translation>
    </message>
    <message>
        <source>How long colours glide when Kavo pauses, resumes or changes mode or type.</source>
        <translation>La durée du fondu des couleurs quand Kavo se met en pause, reprend ou change de mode ou de type.</translation>
    </message>
    <message>
        <source>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</source>
        <translation>La durée du passage au jour&#xa0;: centrée sur le lever du soleil, ou se terminant à l&apos;heure de fin de la nuit.</translation>
    </message>
    <message>
        <source>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</source>
        <translation>La durée du passage à la nuit&#xa0;: centrée sur le coucher du soleil, ou se terminant à l&apos;heure de début de la nuit.</translation>
    </message>
    <message>
        <source>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</source>
        <translation>La durée des passages vers la période de sommeil et hors de celle-ci&#xa0;; ils se terminent à l&apos;heure du coucher et à l&apos;heure du réveil.</translation>
    </message>
    <message>
        <source>How much blue light the screen gives off by day and by night.</source>
        <translation>La quantité de lumière bleue émise par l&apos;écran le jour et la nuit.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at full moon.</source>
        <translation>De combien la nuit et le jour commencent plus tôt à la pleine lune.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at new moon.</source>
        <translation>De combien la nuit et le jour commencent plus tôt à la nouvelle lune.</translation>
    </message>
    <message>
        <source>How often a running Kavo looks again.</source>
        <translation>La fréquence à laquelle Kavo vérifie à nouveau pendant qu&apos;il tourne.</translation>
    </message>
    <message>
        <source>How slowly the colours change between day, night and sleep.</source>
        <translation>La lenteur du changement des couleurs entre le jour, la nuit et le sommeil.</translation>
    </message>
    <message>
        <source>How the system smooths the edges of text.</source>
        <translation>Comment le système lisse les contours du texte.</translation>
    </message>
    <message>
        <source>Invert colors</source>
        <translation>Inverser les couleurs</translation>
    </message>
    <message>
        <source>Kavo</source>
        <translation>Kavo</translation>
    </message>
    <message>
        <source>Kavo can look for a new version and tell you when one is out.</source>
        <translation>Kavo peut rechercher une nouvelle version et vous prévenir dès qu&apos;elle est sortie.</translation>
    </message>
    <message>
        <source>Kavo follows the sun at your location. Without a location of your own it looks one up.</source>
        <translation>Kavo suit le soleil là où vous êtes. Si vous n&apos;indiquez pas de position, il la détermine lui-même.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and needs to relaunch for them to take effect.</source>
        <translation>Kavo a modifié votre système et doit être relancé pour que les modifications prennent effet.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and restart is needed for changes to take effect.</source>
        <translation>Kavo a modifié votre système&#xa0;; un redémarrage de l&apos;ordinateur est nécessaire pour que les modifications prennent effet.</translation>
    </message>
    <message>
        <source>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</source>
        <translation>Kavo prend soin de vos yeux&#xa0;: des couleurs plus douces la nuit et des rappels de pause.</translation>
    </message>
    <message>
        <source>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</source>
        <translation>La version de Kavo, votre système et votre bureau, et tous les paramètres. Cliquez sur le texte pour le copier.</translation>
    </message>
    <message>
        <source>Keep the night brightness all the time instead of following the sun.</source>
        <translation>Garder la luminosité de nuit en permanence au lieu de suivre le soleil.</translation>
    </message>
    <message>
        <source>Keep the night value all the time instead of following the sun.</source>
        <translation>Garder la valeur de nuit en permanence au lieu de suivre le soleil.</translation>
    </message>
    <message>
        <source>Keeps Kavo light while it waits in the background.</source>
        <translation>Garde Kavo léger pendant qu&apos;il attend en arrière-plan.</translation>
    </message>
    <message>
        <source>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</source>
        <translation>Les frappes au clavier comptent comme une présence&#xa0;: le minuteur de pauses s&apos;arrête après environ 20 minutes sans frappe et repart à votre retour.</translation>
    </message>
    <message>
        <source>Keyboard inactivity</source>
        <translation>Inactivité du clavier</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitude&#xa0;:</translation>
    </message>
    <message>
        <source>Leading Color</source>
        <translation>Couleur dominante</translation>
    </message>
    <message>
        <source>Let Kavo set the frequency above.</source>
        <translation>Laisser Kavo appliquer la fréquence ci-dessus.</translation>
    </message>
    <message>
        <source>Let Kavo tell you when a new version is out.</source>
        <translation>Être prévenu par Kavo quand une nouvelle version sort.</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>Linear Blue</source>
        <translation>Linéaire bleu</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude&#xa0;:</translation>
    </message>
    <message>
        <source>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</source>
        <translation>Rechercher une nouvelle version au démarrage de Kavo, puis régulièrement. Enregistré avec les autres paramètres.</translation>
    </message>
    <message>
        <source>Look now</source>
        <translation>Vérifier maintenant</translation>
    </message>
    <message>
        <source>Magmus</source>
        <translation>Magmus</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>Manage monitors</source>
        <translation>Gérer les écrans</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Manual Brightness</source>
        <translation>Luminosité manuelle</translation>
    </message>
    <message>
        <source>Manual blue light</source>
        <translation>Lumière bleue manuelle</translation>
    </message>
    <message>
        <source>Manual color settings</source>
        <translation>Couleurs manuelles</translation>
    </message>
    <message>
        <source>Manual location</source>
        <translation>Position manuelle</translation>
    </message>
    <message>
        <source>Manual night duration</source>
        <translation>Durée de nuit manuelle</translation>
    </message>
    <message>
        <source>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</source>
        <translation>Beaucoup d&apos;écrans atténuent leur rétroéclairage en l&apos;allumant et en l&apos;éteignant très rapidement (PWM). Une fréquence plus élevée scintille moins.</translation>
    </message>
    <message>
        <source>Max Frequency</source>
        <translation>Fréquence maximale</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Monitor 1</source>
        <translation>Écran 1</translation>
    </message>
    <message>
        <source>Monitor 2</source>
        <translation>Écran 2</translation>
    </message>
    <message>
        <source>Monitor 3</source>
        <translation>Écran 3</translation>
    </message>
    <message>
        <source>Monitor 4</source>
        <translation>Écran 4</translation>
    </message>
    <message>
        <source>Monitor 5</source>
        <translation>Écran 5</translation>
    </message>
    <message>
        <source>Monitor 6</source>
        <translation>Écran 6</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Mouse inactivity</source>
        <translation>Inactivité de la souris</translation>
    </message>
    <message>
        <source>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</source>
        <translation>Les mouvements de la souris comptent comme une présence&#xa0;: le minuteur de pauses s&apos;arrête après environ 20 minutes sans mouvement et repart à votre retour.</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Mutes or strengthens the colours of the whole screen.</source>
        <translation>Atténue ou renforce les couleurs de tout l&apos;écran.</translation>
    </message>
    <message>
        <source>Negative Grayclased Red</source>
        <translation>Niveaux de gris en rouge négatifs</translation>
    </message>
    <message>
        <source>Negative Grayscale</source>
        <translation>Niveaux de gris négatifs</translation>
    </message>
    <message>
        <source>Negative Sepia</source>
        <translation>Sépia négatif</translation>
    </message>
    <message>
        <source>New Moon offset:</source>
        <translation>Décalage de nouvelle lune&#xa0;:</translation>
    </message>
    <message>
        <source>News, help and the latest version.</source>
        <translation>Actualités, aide et dernière version.</translation>
    </message>
    <message>
        <source>Night Brightness</source>
        <translation>Luminosité de nuit</translation>
    </message>
    <message>
        <source>Night Light</source>
        <translation>Lumière de nuit</translation>
    </message>
    <message>
        <source>Night Temperature</source>
        <translation>Température de nuit</translation>
    </message>
    <message>
        <source>Night Transition:</source>
        <translation>Transition de la nuit&#xa0;:</translation>
    </message>
    <message>
        <source>Night ends at:</source>
        <translation>Fin de la nuit&#xa0;:</translation>
    </message>
    <message>
        <source>Night starts at:</source>
        <translation>Début de la nuit&#xa0;:</translation>
    </message>
    <message>
        <source>No smoothing</source>
        <translation>Aucun lissage</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</source>
        <translation>Indiqué dans les heures de transition ci-dessous&#xa0;; le programme solaire suit lui-même le fuseau horaire de votre système.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Olaf</source>
        <translation>Olaf</translation>
    </message>
    <message>
        <source>Old Photo</source>
        <translation>Vieille photo</translation>
    </message>
    <message>
        <source>Open or close</source>
        <translation>Ouvrir ou fermer</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Ouvrir le site web</translation>
    </message>
    <message>
        <source>Optimize UI Creation</source>
        <translation>Optimiser la création de l&apos;interface</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Superposition</translation>
    </message>
    <message>
        <source>PWM Control</source>
        <translation>Contrôle PWM</translation>
    </message>
    <message>
        <source>PWM Frequency</source>
        <translation>Fréquence PWM</translation>
    </message>
    <message>
        <source>PWM control</source>
        <translation>Contrôle PWM</translation>
    </message>
    <message>
        <source>Pause Transition:</source>
        <translation>Transition de pause&#xa0;:</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Per Monitor Settings</source>
        <translation>Réglages par écran</translation>
    </message>
    <message>
        <source>Preview 24 hours</source>
        <translation>Aperçu sur 24 heures</translation>
    </message>
    <message>
        <source>Productive</source>
        <translation>Productif</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programmation</translation>
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
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Relaunch is needed</source>
        <translation>Relancement nécessaire</translation>
    </message>
    <message>
        <source>Relaunch now</source>
        <translation>Relancer maintenant</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Restart is needed</source>
        <translation>Redémarrage nécessaire</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Redémarrer maintenant</translation>
    </message>
    <message>
        <source>Revert colors</source>
        <translation>Rétablir les couleurs</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>Enregistrer et fermer</translation>
    </message>
    <message>
        <source>Save changes when the window closes. Without it, closing the window brings back the saved settings.</source>
        <translation>Enregistrer les modifications à la fermeture de la fenêtre. Sinon, la fermeture rétablit les paramètres enregistrés.</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>Screen effect</source>
        <translation>Effet d&apos;écran</translation>
    </message>
    <message>
        <source>Screen effects</source>
        <translation>Effets d&apos;écran</translation>
    </message>
    <message>
        <source>Send usage statistics</source>
        <translation>Envoyer des statistiques d&apos;utilisation</translation>
    </message>
    <message>
        <source>Sephia</source>
        <translation>Sépia</translation>
    </message>
    <message>
        <source>Set the frequency again with every colour update, for screens that lose it.</source>
        <translation>Réappliquer la fréquence à chaque mise à jour des couleurs, pour les écrans qui la perdent.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Voir les nouveautés</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Simple Inversion</source>
        <translation>Inversion simple</translation>
    </message>
    <message>
        <source>Simple view</source>
        <translation>Vue simple</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Sommeil</translation>
    </message>
    <message>
        <source>Sleep Brightness</source>
        <translation>Luminosité de sommeil</translation>
    </message>
    <message>
        <source>Sleep Light</source>
        <translation>Lumière de sommeil</translation>
    </message>
    <message>
        <source>Sleep Transition:</source>
        <translation>Transition du sommeil&#xa0;:</translation>
    </message>
    <message>
        <source>Smart Inversion 1</source>
        <translation>Inversion intelligente 1</translation>
    </message>
    <message>
        <source>Smart Inversion 2</source>
        <translation>Inversion intelligente 2</translation>
    </message>
    <message>
        <source>Smart Inversion 3</source>
        <translation>Inversion intelligente 3</translation>
    </message>
    <message>
        <source>Smart Inversion 4</source>
        <translation>Inversion intelligente 4</translation>
    </message>
    <message>
        <source>Smart Inversion 5</source>
        <translation>Inversion intelligente 5</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Start Kavo on startup</source>
        <translation>Lancer Kavo au démarrage</translation>
    </message>
    <message>
        <source>Start Kavo when you log in.</source>
        <translation>Lancer Kavo à l&apos;ouverture de votre session.</translation>
    </message>
    <message>
        <source>Start and end the night by the clock instead of by the sun.</source>
        <translation>Faire commencer et finir la nuit selon l&apos;horloge plutôt que selon le soleil.</translation>
    </message>
    <message>
        <source>Steps back until the screen is at its normal size.</source>
        <translation>Revient en arrière pas à pas jusqu&apos;à la taille normale de l&apos;écran.</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>Strict</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Lunettes de soleil</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Permuter les couleurs</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>The changes in this version of Kavo.</source>
        <translation>Les changements de cette version de Kavo.</translation>
    </message>
    <message>
        <source>The colour temperature of the screen by day and by night, and inverted colours.</source>
        <translation>La température de couleur de l&apos;écran le jour et la nuit, et l&apos;inversion des couleurs.</translation>
    </message>
    <message>
        <source>The colour that stays strongest at warm temperatures.</source>
        <translation>La couleur qui reste la plus forte aux températures chaudes.</translation>
    </message>
    <message>
        <source>The filter laid over the whole screen.</source>
        <translation>Le filtre appliqué à tout l&apos;écran.</translation>
    </message>
    <message>
        <source>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</source>
        <translation>La fréquence que Kavo applique quand le contrôle PWM est activé. Le fabricant de votre écran peut vous dire quelles fréquences il prend en charge.</translation>
    </message>
    <message>
        <source>The highest frequency the slider offers, in hertz.</source>
        <translation>La fréquence la plus élevée proposée par le curseur, en hertz.</translation>
    </message>
    <message>
        <source>The language of Kavo&apos;s windows, menus and messages.</source>
        <translation>La langue des fenêtres, des menus et des messages de Kavo.</translation>
    </message>
    <message>
        <source>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</source>
        <translation>La lune décale le programme solaire&#xa0;: la nuit et le jour commencent plus tôt d&apos;un décalage qui passe de la valeur de nouvelle lune à celle de pleine lune à mesure que la lune se remplit.</translation>
    </message>
    <message>
        <source>The sleep period ends here.</source>
        <translation>La période de sommeil se termine ici.</translation>
    </message>
    <message>
        <source>The sleep period starts here.</source>
        <translation>La période de sommeil commence ici.</translation>
    </message>
    <message>
        <source>The table of colours Kavo follows from warm to cold.</source>
        <translation>La table de couleurs que Kavo suit du chaud au froid.</translation>
    </message>
    <message>
        <source>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</source>
        <translation>Cet écran n&apos;offre aucun contrôle PWM à Kavo&#xa0;: le programme auxiliaire kavo_get_pwm_frequency est absent ou n&apos;indique aucune fréquence.</translation>
    </message>
    <message>
        <source>This desktop offers Kavo no backlight: the screen&apos;s brightness stays as it is.</source>
        <translation>Ce bureau n&apos;offre à Kavo aucun rétroéclairage : la luminosité de l&apos;écran reste telle quelle.</translation>
    </message>
    <message>
        <source>This desktop&apos;s night light shows only the colour temperature: colour schemes, the leading colour and screen effects need gamma ramps.</source>
        <translation>La lumière nocturne de ce bureau n&apos;affiche que la température de couleur : les schémas de couleurs, la couleur dominante et les effets d&apos;écran nécessitent des rampes gamma.</translation>
    </message>
    <message>
        <source>Time zone offset:</source>
        <translation>Décalage horaire&#xa0;:</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Minuteur</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transition</translation>
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
        <translation>Activer ou désactiver le filtre choisi.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Update continuously</source>
        <translation>Mettre à jour en continu</translation>
    </message>
    <message>
        <source>Use Advanced Settings</source>
        <translation>Paramètres avancés</translation>
    </message>
    <message>
        <source>Use Gamma Fixer</source>
        <translation>Utiliser le correcteur gamma</translation>
    </message>
    <message>
        <source>Use software mouse cursor</source>
        <translation>Utiliser un curseur de souris logiciel</translation>
    </message>
    <message>
        <source>Use the coordinates below instead of the looked-up location.</source>
        <translation>Utiliser les coordonnées ci-dessous au lieu de la position déterminée automatiquement.</translation>
    </message>
    <message>
        <source>Use the sleep colours between bedtime and wake time.</source>
        <translation>Utiliser les couleurs de sommeil entre l&apos;heure du coucher et l&apos;heure du réveil.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Wake time:</source>
        <translation>Heure du réveil&#xa0;:</translation>
    </message>
    <message>
        <source>Warmer, dimmer colours for the hours before you go to bed.</source>
        <translation>Des couleurs plus chaudes et plus sombres pour les heures avant le coucher.</translation>
    </message>
    <message>
        <source>Washout 1</source>
        <translation>Délavé 1</translation>
    </message>
    <message>
        <source>Washout 2</source>
        <translation>Délavé 2</translation>
    </message>
    <message>
        <source>Washout 3</source>
        <translation>Délavé 3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Nouveautés</translation>
    </message>
    <message>
        <source>What to send with a request for help. Nothing leaves your computer unless you send it.</source>
        <translation>Ce qu&apos;il faut joindre à une demande d&apos;aide. Rien ne quitte votre ordinateur sans que vous l&apos;envoyiez.</translation>
    </message>
    <message>
        <source>Where Kavo computes sunrise and sunset for.</source>
        <translation>Le lieu pour lequel Kavo calcule le lever et le coucher du soleil.</translation>
    </message>
    <message>
        <source>Where the desktop decides font smoothing itself, this choice has no effect.</source>
        <translation>Si le bureau gère lui-même le lissage des polices, ce choix n&apos;a aucun effet.</translation>
    </message>
    <message>
        <source>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</source>
        <translation>Les pages et fenêtres que vous ouvrez, chaque fois sous un nouveau numéro aléatoire, jamais votre nom ni votre adresse. Uniquement si cette version de Kavo indique une adresse de statistiques.</translation>
    </message>
    <message>
        <source>Zoom In:</source>
        <translation>Zoom avant&#xa0;:</translation>
    </message>
    <message>
        <source>Zoom Out:</source>
        <translation>Zoom arrière&#xa0;:</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zooms the whole screen around the mouse pointer.</source>
        <translation>Agrandit tout l&apos;écran autour du pointeur de la souris.</translation>
    </message>
    <message>
        <source>day</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>masquée</translation>
    </message>
    <message>
        <source>month</source>
        <translation>Tous les mois</translation>
    </message>
    <message>
        <source>per minute</source>
        <translation>par minute</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>pause</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>affichée</translation>
    </message>
    <message>
        <source>until</source>
        <translation>avant la</translation>
    </message>
    <message>
        <source>week</source>
        <translation>Toutes les semaines</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>A minute of exercises, shown step by step in the corner of your screen.</source>
        <translation>Une minute d&apos;exercices, présentés pas à pas dans un coin de l&apos;écran.</translation>
    </message>
    <message>
        <source>A program in front gets colours of its own: a film brighter, a reader warmer.</source>
        <translation>Le programme au premier plan reçoit ses propres couleurs&#xa0;: plus claires pour un film, plus chaudes pour la lecture.</translation>
    </message>
    <message>
        <source>A short tone in the last seconds before a rest and before work.</source>
        <translation>Un bref signal sonore dans les dernières secondes avant une pause et avant la reprise.</translation>
    </message>
    <message>
        <source>A small window in the corner of the screen with the count and the camera picture.</source>
        <translation>Une petite fenêtre dans un coin de l&apos;écran avec le compteur et l&apos;image de la caméra.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Artificial intelligence (AI)</source>
        <translation>Intelligence artificielle (IA)</translation>
    </message>
    <message>
        <source>Auto clicker</source>
        <translation>Clic automatique</translation>
    </message>
    <message>
        <source>Auto close rest screen</source>
        <translation>Fermer automatiquement l&apos;écran de pause</translation>
    </message>
    <message>
        <source>Automatic brightness</source>
        <translation>Luminosité automatique</translation>
    </message>
    <message>
        <source>Back exercises</source>
        <translation>Exercices pour le dos</translation>
    </message>
    <message>
        <source>Blink detection</source>
        <translation>Détection des clignements</translation>
    </message>
    <message>
        <source>Blink screen</source>
        <translation>Fenêtre des clignements</translation>
    </message>
    <message>
        <source>Break every</source>
        <translation>Pause toutes les</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Pauses</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>Clics en cours</translation>
    </message>
    <message>
        <source>Clicks the left mouse button where the pointer is, again and again.</source>
        <translation>Clique sans cesse avec le bouton gauche de la souris à l&apos;endroit du pointeur.</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Pause des couleurs</translation>
    </message>
    <message>
        <source>Color triggers</source>
        <translation>Déclencheurs de couleurs</translation>
    </message>
    <message>
        <source>Colour changes pause while one of these programs shows: for drawing, photos and films.</source>
        <translation>Les changements de couleur s&apos;interrompent tant que l&apos;un de ces programmes est affiché&#xa0;: pour le dessin, les photos et les films.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Continue when you are ready.</source>
        <translation>Continuez quand vous le souhaitez.</translation>
    </message>
    <message>
        <source>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</source>
        <translation>Compte vos clignements par minute. Devant un écran, on cligne moins des yeux&#xa0;; le compteur vous le rappelle.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</source>
        <translation>Ctrl+Alt+Shift+F10 réinitialise tous les paramètres, Ctrl+Alt+Shift+F11 quitte Kavo et Ctrl+Alt+Shift+F12 réinitialise les couleurs, quels que soient les raccourcis ci-dessus.</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>Diminuer la luminosité</translation>
    </message>
    <message>
        <source>Decrease temperature</source>
        <translation>Diminuer la température</translation>
    </message>
    <message>
        <source>Dim the screen a little while it shows bright content.</source>
        <translation>Assombrir un peu l&apos;écran quand il affiche un contenu clair.</translation>
    </message>
    <message>
        <source>End screen overlay</source>
        <translation>Arrêter la superposition d&apos;écran</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Eye exercises</source>
        <translation>Exercices pour les yeux</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Fullscreen apps</source>
        <translation>Applications en plein écran</translation>
    </message>
    <message>
        <source>Have a rest</source>
        <translation>Faire une pause</translation>
    </message>
    <message>
        <source>In front now</source>
        <translation>Au premier plan</translation>
    </message>
    <message>
        <source>Incoming break</source>
        <translation>Pause imminente</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>Augmenter la luminosité</translation>
    </message>
    <message>
        <source>Increase temperature</source>
        <translation>Augmenter la température</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Invert the colours while the screen shows mostly bright content.</source>
        <translation>Inverser les couleurs quand l&apos;écran affiche surtout un contenu clair.</translation>
    </message>
    <message>
        <source>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</source>
        <translation>Kavo adapte l&apos;écran à la pièce et à ce qu&apos;il affiche. Les images de la caméra et les captures d&apos;écran sont mesurées puis abandonnées&#xa0;: elles ne sont jamais enregistrées ni envoyées.</translation>
    </message>
    <message>
        <source>Kavo listens to its shortcuts in every program.</source>
        <translation>Kavo réagit à ses raccourcis dans tous les programmes.</translation>
    </message>
    <message>
        <source>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</source>
        <translation>Kavo vous rappelle de reposer vos yeux&#xa0;: une courte pause après chaque période de travail.</translation>
    </message>
    <message>
        <source>Kavo version</source>
        <translation>Version de Kavo</translation>
    </message>
    <message>
        <source>Keep the screen as bright as the room around it.</source>
        <translation>Garder l&apos;écran aussi lumineux que la pièce qui l&apos;entoure.</translation>
    </message>
    <message>
        <source>Key combinations that reach Kavo from every program.</source>
        <translation>Des combinaisons de touches qui atteignent Kavo depuis n&apos;importe quel programme.</translation>
    </message>
    <message>
        <source>Lite</source>
        <translation>Léger</translation>
    </message>
    <message>
        <source>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</source>
        <translation>Léger est un simple voile sombre avec le temps restant. Simple et Standard sont des pages complètes&#xa0;; Standard ajoute l&apos;horloge et une idée pour votre pause.</translation>
    </message>
    <message>
        <source>Look away from the screen and let your eyes relax.</source>
        <translation>Détournez le regard de l&apos;écran et laissez vos yeux se détendre.</translation>
    </message>
    <message>
        <source>Look far, roll and blink: eyes that focus on a screen all day need it most.</source>
        <translation>Regarder au loin, faire rouler les yeux et cligner&#xa0;: les yeux rivés sur un écran toute la journée en ont le plus besoin.</translation>
    </message>
    <message>
        <source>Manual or automatic</source>
        <translation>Manuel ou automatique</translation>
    </message>
    <message>
        <source>Match brightness to lighting</source>
        <translation>Adapter la luminosité à l&apos;éclairage</translation>
    </message>
    <message>
        <source>Milliseconds between two clicks, at least 10.</source>
        <translation>Millisecondes entre deux clics, au moins 10.</translation>
    </message>
    <message>
        <source>Minutes of work, then seconds of rest.</source>
        <translation>Minutes de travail, puis secondes de pause.</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Pause du curseur</translation>
    </message>
    <message>
        <source>Neck exercises</source>
        <translation>Exercices pour la nuque</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</source>
        <translation>Les pauses normales peuvent être ignorées, les pauses strictes non. Productif affiche un petit compte à rebours au lieu de couvrir l&apos;écran.</translation>
    </message>
    <message>
        <source>One program per line, named as it runs (vlc, kmplayer). Add fullscreen after a name to pause only while it fills the screen.</source>
        <translation>Un programme par ligne, sous son nom de processus (vlc, kmplayer). Ajoutez fullscreen après un nom pour ne faire la pause que lorsqu&apos;il occupe tout l&apos;écran.</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, bsplayer).</source>
        <translation>Un programme par ligne, sous son nom de processus exact (vlc, bsplayer).</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, kmplayer).</source>
        <translation>Un programme par ligne, sous son nom de processus exact (vlc, kmplayer).</translation>
    </message>
    <message>
        <source>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</source>
        <translation>Un programme par ligne&#xa0;: nom = température luminosité, par exemple vlc = 6500 120. Température de 0 à 10000 K, luminosité de 10 à 150 %.</translation>
    </message>
    <message>
        <source>Pause colour changes while a listed program shows.</source>
        <translation>Interrompre les changements de couleur tant qu&apos;un programme de la liste est affiché.</translation>
    </message>
    <message>
        <source>Pause colour changes while any program fills the screen.</source>
        <translation>Interrompre les changements de couleur tant qu&apos;un programme occupe tout l&apos;écran.</translation>
    </message>
    <message>
        <source>Pause or resume Kavo</source>
        <translation>Mettre Kavo en pause ou le reprendre</translation>
    </message>
    <message>
        <source>Pause or resume the timer</source>
        <translation>Mettre le minuteur en pause ou le reprendre</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>Reporter</translation>
    </message>
    <message>
        <source>Postpone duration</source>
        <translation>Durée du report</translation>
    </message>
    <message>
        <source>Press the new combination</source>
        <translation>Appuyez sur la nouvelle combinaison</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programmes</translation>
    </message>
    <message>
        <source>Programs and colours</source>
        <translation>Programmes et couleurs</translation>
    </message>
    <message>
        <source>Quit Kavo</source>
        <translation>Quitter Kavo</translation>
    </message>
    <message>
        <source>Rest screen</source>
        <translation>Écran de pause</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Screen effects on or off</source>
        <translation>Activer ou désactiver les effets d&apos;écran</translation>
    </message>
    <message>
        <source>Overlays</source>
        <translation>Superpositions</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Capteurs</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Raccourci</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Slow turns and tilts for a neck that held one position too long.</source>
        <translation>Rotations et inclinaisons lentes pour une nuque restée trop longtemps dans la même position.</translation>
    </message>
    <message>
        <source>Smart brightness</source>
        <translation>Luminosité intelligente</translation>
    </message>
    <message>
        <source>Smart inversion</source>
        <translation>Inversion intelligente</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Start a break</source>
        <translation>Commencer une pause</translation>
    </message>
    <message>
        <source>Start screen overlay</source>
        <translation>Démarrer la superposition d&apos;écran</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop it here, from the tray menu or by quitting Kavo.</source>
        <translation>Arrêtez-le ici, depuis le menu de la zone de notification ou en quittant Kavo.</translation>
    </message>
    <message>
        <source>Stop the break timer while a listed program shows.</source>
        <translation>Arrêter le minuteur de pauses tant qu&apos;un programme de la liste est affiché.</translation>
    </message>
    <message>
        <source>Stop the break timer while any program fills the screen.</source>
        <translation>Arrêter le minuteur de pauses tant qu&apos;un programme occupe tout l&apos;écran.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Stretches you can do standing beside your desk.</source>
        <translation>Des étirements à faire debout à côté de votre bureau.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while a listed program shows.</source>
        <translation>Désactiver le curseur logiciel tant qu&apos;un programme de la liste est affiché.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while any program fills the screen.</source>
        <translation>Désactiver le curseur logiciel tant qu&apos;un programme occupe tout l&apos;écran.</translation>
    </message>
    <message>
        <source>Ten seconds before a rest Kavo offers to move it by this many minutes.</source>
        <translation>Dix secondes avant une pause, Kavo propose de la reporter de ce nombre de minutes.</translation>
    </message>
    <message>
        <source>The break timer stops while one of these programs shows: films, presentations, calls.</source>
        <translation>Le minuteur de pauses s&apos;arrête tant que l&apos;un de ces programmes est affiché&#xa0;: films, présentations, appels.</translation>
    </message>
    <message>
        <source>The camera measures the room light and the brightness follows it, a little every second.</source>
        <translation>La caméra mesure la lumière de la pièce et la luminosité la suit, un peu chaque seconde.</translation>
    </message>
    <message>
        <source>The program you are using, as the lists name it.</source>
        <translation>Le programme que vous utilisez, tel que les listes le nomment.</translation>
    </message>
    <message>
        <source>The rest is over</source>
        <translation>La pause est terminée</translation>
    </message>
    <message>
        <source>The software cursor goes while one of these programs shows: games draw their own.</source>
        <translation>Le curseur logiciel disparaît tant que l&apos;un de ces programmes est affiché&#xa0;: les jeux dessinent le leur.</translation>
    </message>
    <message>
        <source>This is a strict rest: it ends by itself.</source>
        <translation>C&apos;est une pause stricte&#xa0;: elle se termine d&apos;elle-même.</translation>
    </message>
    <message>
        <source>Time for a rest</source>
        <translation>C&apos;est l&apos;heure de la pause</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Pause du minuteur</translation>
    </message>
    <message>
        <source>Timer type</source>
        <translation>Type de minuteur</translation>
    </message>
    <message>
        <source>Use sounds</source>
        <translation>Activer les sons</translation>
    </message>
    <message>
        <source>Use the colours of the list while a listed program is in front.</source>
        <translation>Utiliser les couleurs de la liste tant qu&apos;un programme de la liste est au premier plan.</translation>
    </message>
    <message>
        <source>Use the first camera for the room light and the blink count.</source>
        <translation>Utiliser la première caméra pour la lumière de la pièce et le comptage des clignements.</translation>
    </message>
    <message>
        <source>What covers your monitors during a rest.</source>
        <translation>Ce qui recouvre vos écrans pendant une pause.</translation>
    </message>
    <message>
        <source>What the shortcut does.</source>
        <translation>Ce que fait le raccourci.</translation>
    </message>
    <message>
        <source>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</source>
        <translation>À la fin de la pause, le travail reprend aussitôt. Sinon, l&apos;écran de pause attend que vous continuiez.</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Travail</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>until rest</source>
        <translation>avant la pause</translation>
    </message>
    <message>
        <source>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</source>
        <translation>%b vaut enable ou disable, %d un nombre entier, %f un nombre, %s un mot. Cliquez sur une formule pour la copier dans le champ de saisie.</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Click again to reset every setting</source>
        <translation>Cliquez à nouveau pour tout réinitialiser</translation>
    </message>
    <message>
        <source>Enter your spell:</source>
        <translation>Saisissez votre formule&#xa0;:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Hidden features</source>
        <translation>Fonctions cachées</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Move your settings to another computer, or keep a copy.</source>
        <translation>Transférez vos paramètres sur un autre ordinateur ou gardez-en une copie.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Settings exported</source>
        <translation>Paramètres exportés</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Fichier de paramètres</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>Formules</translation>
    </message>
    <message>
        <source>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</source>
        <translation>Les formules modifient des paramètres qui n&apos;ont pas de commande dans les pages. Les mêmes formules fonctionnent en ligne de commande&#xa0;: kavo &quot;type dark&quot;.</translation>
    </message>
    <message>
        <source>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</source>
        <translation>Une couche colorée translucide posée sur l&apos;écran l&apos;assombrit et le teinte davantage que les couleurs seules&#xa0;; les clics la traversent.</translation>
    </message>
    <message>
        <source>Day Dim</source>
        <translation>Assombrissement de jour</translation>
    </message>
    <message>
        <source>Day Opacity</source>
        <translation>Opacité de jour</translation>
    </message>
    <message>
        <source>How dark the surroundings are.</source>
        <translation>Le degré d&apos;obscurité autour de la zone claire.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is at night.</source>
        <translation>À quel point la couleur de la couche est plus sombre la nuit.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is by day.</source>
        <translation>À quel point la couleur de la couche est plus sombre le jour.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen at night.</source>
        <translation>À quel point la couche couvre l&apos;écran la nuit.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen by day.</source>
        <translation>À quel point la couche couvre l&apos;écran le jour.</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</source>
        <translation>Garde une zone claire à l&apos;écran et assombrit ce qui l&apos;entoure&#xa0;; les clics passent au travers.</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citron</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Projecteur</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Night Dim</source>
        <translation>Assombrissement de nuit</translation>
    </message>
    <message>
        <source>Night Opacity</source>
        <translation>Opacité de nuit</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Overlay color</source>
        <translation>Couleur de superposition</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Pourpre</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>Reset area</source>
        <translation>Réinitialiser la zone</translation>
    </message>
    <message>
        <source>Scarlet</source>
        <translation>Écarlate</translation>
    </message>
    <message>
        <source>Screen overlay</source>
        <translation>Superposition d&apos;écran</translation>
    </message>
    <message>
        <source>Select an area, then drag over the screen: the area stays clear. Escape cancels.</source>
        <translation>Choisissez une zone, puis faites glisser sur l&apos;écran&#xa0;: cette zone reste dégagée. Esc annule.</translation>
    </message>
    <message>
        <source>Select area</source>
        <translation>Choisir une zone</translation>
    </message>
    <message>
        <source>Show the layer.</source>
        <translation>Afficher la couche.</translation>
    </message>
    <message>
        <source>Show the spot.</source>
        <translation>Afficher la zone claire.</translation>
    </message>
    <message>
        <source>The colour of the layer.</source>
        <translation>La couleur de la couche.</translation>
    </message>
    <message>
        <source>The size of the bright spot.</source>
        <translation>La taille de la zone claire.</translation>
    </message>
    <message>
        <source>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</source>
        <translation>Ce bureau n&apos;affiche cet effet que pendant votre inactivité&#xa0;: après deux secondes sans activité, une image de l&apos;écran avec l&apos;effet le recouvre jusqu&apos;à ce que vous appuyiez sur une touche ou bougiez la souris.</translation>
    </message>
    <message>
        <source>This effect shows at once.</source>
        <translation>Cet effet s&apos;affiche immédiatement.</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Where the spot sits across the screen.</source>
        <translation>La position horizontale de la zone claire sur l&apos;écran.</translation>
    </message>
    <message>
        <source>Where the spot sits down the screen.</source>
        <translation>La position verticale de la zone claire sur l&apos;écran.</translation>
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
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Settings imported</source>
        <translation>Paramètres importés</translation>
    </message>
    <message>
        <source>Settings not imported</source>
        <translation>Paramètres non importés</translation>
    </message>
    <message>
        <source>%1 conflicts with %2</source>
        <translation>%1 est en conflit avec %2</translation>
    </message>
    <message>
        <source>%1 conflicts with %2 color changes and you may see some ON/OFF flicker of the colors.
%2 automatically closes such apps, but please uninstall one of the apps if you still have problems.</source>
        <translation>%1 entre en conflit avec les changements de couleur de %2 et les couleurs peuvent clignoter.
%2 ferme automatiquement ces applications, mais si les problèmes persistent, désinstallez l&apos;une des deux applications.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Remaining %1</source>
        <translation>Encore %1</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>Aucune caméra trouvée</translation>
    </message>
    <message>
        <source>Object detectors not found</source>
        <translation>Détecteurs d&apos;objets introuvables</translation>
    </message>
    <message>
        <source>Invalid spell</source>
        <translation>Formule non valide</translation>
    </message>
    <message>
        <source>The spell &quot;%1&quot; seems wrong. Check the syntax or try with some other hidden feature.
Use &quot;help&quot; to see the list of all hidden features :)</source>
        <translation>La formule «&#xa0;%1&#xa0;» semble erronée. Vérifiez la syntaxe ou essayez une autre fonction cachée.
Tapez «&#xa0;help&#xa0;» pour voir la liste de toutes les fonctions cachées&#xa0;:)</translation>
    </message>
    <message>
        <source>Hidden feature succeeded</source>
        <translation>Fonction cachée exécutée</translation>
    </message>
    <message>
        <source>%1 succeeded</source>
        <translation>%1 a réussi</translation>
    </message>
    <message>
        <source>Invalid temperature</source>
        <translation>Température non valide</translation>
    </message>
    <message>
        <source>%1 is invalid value for Color temperature. Use number between 0 and 10000.</source>
        <translation>%1 n&apos;est pas une valeur valide pour la température de couleur. Utilisez un nombre entre 0 et 10000.</translation>
    </message>
    <message>
        <source>Temperature changed</source>
        <translation>Température modifiée</translation>
    </message>
    <message>
        <source>Color temperature changed to %1K</source>
        <translation>Température de couleur réglée sur %1K</translation>
    </message>
    <message>
        <source>Invalid brightness</source>
        <translation>Luminosité non valide</translation>
    </message>
    <message>
        <source>%1 is invalid value for Brightness. Use number between 10 and 100.</source>
        <translation>%1 n&apos;est pas une valeur valide pour la luminosité. Utilisez un nombre entre 10 et 100.</translation>
    </message>
    <message>
        <source>Brightness changed</source>
        <translation>Luminosité modifiée</translation>
    </message>
    <message>
        <source>Brightness changed to %1%</source>
        <translation>Luminosité réglée sur %1%</translation>
    </message>
    <message>
        <source>Invalid Night start time</source>
        <translation>Début de la nuit non valide</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night start time. Use number between 0 and 24.</source>
        <translation>%1 n&apos;est pas une valeur valide pour le début de la nuit. Utilisez un nombre entre 0 et 24.</translation>
    </message>
    <message>
        <source>Night start time changed</source>
        <translation>Début de la nuit modifié</translation>
    </message>
    <message>
        <source>Manual night start time changed to %1h</source>
        <translation>Début de la nuit manuel réglé sur %1h</translation>
    </message>
    <message>
        <source>Invalid Night end time</source>
        <translation>Fin de la nuit non valide</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night end time. Use number between 0 and 24.</source>
        <translation>%1 n&apos;est pas une valeur valide pour la fin de la nuit. Utilisez un nombre entre 0 et 24.</translation>
    </message>
    <message>
        <source>Night end time changed</source>
        <translation>Fin de la nuit modifiée</translation>
    </message>
    <message>
        <source>Manual night end time changed to %1h</source>
        <translation>Fin de la nuit manuelle réglée sur %1h</translation>
    </message>
    <message>
        <source>Kavo is switching to %1 type</source>
        <translation>Kavo passe au type %1</translation>
    </message>
    <message>
        <source>You will see the difference in your screen after a moment :)</source>
        <translation>Vous verrez la différence à l&apos;écran dans un instant&#xa0;:)</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>Notifications activées</translation>
    </message>
    <message>
        <source>Hidden features notifications are enabled. They are show so you will know when your spell is successful</source>
        <translation>Les notifications des fonctions cachées sont activées. Elles vous indiquent quand votre formule a réussi</translation>
    </message>
    <message>
        <source>Notifications disabled</source>
        <translation>Notifications désactivées</translation>
    </message>
    <message>
        <source>Hidden features notifications are disabled. This is the last notification that you will see</source>
        <translation>Les notifications des fonctions cachées sont désactivées. Ceci est la dernière notification que vous verrez</translation>
    </message>
    <message>
        <source>Gamma fixer enabled</source>
        <translation>Correcteur gamma activé</translation>
    </message>
    <message>
        <source>Gamma fixer is enabled. If notice slight color changing every second disable the Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini changes from time to time.</source>
        <translation>Le correcteur gamma est activé. Si vous remarquez un léger changement de couleur chaque seconde, désactivez-le à nouveau. Le correcteur gamma sert parce que Windows ignore de temps en temps les changements de Kavo mini.</translation>
    </message>
    <message>
        <source>Gamma fixer disabled</source>
        <translation>Correcteur gamma désactivé</translation>
    </message>
    <message>
        <source>Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or click the Kavo mini icon several times. Both should force Kavo to change the screen colors.</source>
        <translation>Le correcteur gamma est désactivé. Si votre écran devient soudain trop lumineux, réactivez-le ou cliquez plusieurs fois sur l&apos;icône de Kavo mini. Les deux devraient forcer Kavo à modifier les couleurs de l&apos;écran.</translation>
    </message>
    <message>
        <source>Software cursor enabled</source>
        <translation>Curseur logiciel activé</translation>
    </message>
    <message>
        <source>Color changes will apply also on the cursor. If it starts to dissappear use disable software cursor to make it bright again.</source>
        <translation>Les changements de couleur s&apos;appliquent aussi au curseur. S&apos;il commence à disparaître, utilisez «&#xa0;disable software cursor&#xa0;» pour le rendre de nouveau lumineux.</translation>
    </message>
    <message>
        <source>Hardware cursor enabled</source>
        <translation>Curseur matériel activé</translation>
    </message>
    <message>
        <source>Color changes will not apply on the cursor. If you don&apos;t like the bright blue cursor at night use enable software cursor to make apply color changes on the cursor.</source>
        <translation>Les changements de couleur ne s&apos;appliquent pas au curseur. Si le curseur bleu vif vous gêne la nuit, utilisez «&#xa0;enable software cursor&#xa0;» pour appliquer les changements de couleur au curseur.</translation>
    </message>
    <message>
        <source>Conflicting applications enabled</source>
        <translation>Applications concurrentes autorisées</translation>
    </message>
    <message>
        <source>Conflicting applications are enabled. You can now use other softwares which change the screen colors.</source>
        <translation>Les applications concurrentes sont autorisées. Vous pouvez maintenant utiliser d&apos;autres logiciels qui modifient les couleurs de l&apos;écran.</translation>
    </message>
    <message>
        <source>Conflicting applications disabled</source>
        <translation>Applications concurrentes bloquées</translation>
    </message>
    <message>
        <source>Conflicting applications are disabled. In order to not cause flicker conflicting applications are disabled.</source>
        <translation>Les applications concurrentes sont bloquées pour éviter que les couleurs ne clignotent.</translation>
    </message>
    <message>
        <source>Monitor %1 disabled</source>
        <translation>Écran %1 désactivé</translation>
    </message>
    <message>
        <source>Kavo will not apply color changes to Monitor %1</source>
        <translation>Kavo ne modifiera plus les couleurs de l&apos;écran %1</translation>
    </message>
    <message>
        <source>Monitor %1 enabled</source>
        <translation>Écran %1 activé</translation>
    </message>
    <message>
        <source>Kavo will apply color changes to Monitor %1</source>
        <translation>Kavo modifiera les couleurs de l&apos;écran %1</translation>
    </message>
    <message>
        <source>Color range is already expanded</source>
        <translation>La plage de couleurs est déjà étendue</translation>
    </message>
    <message>
        <source>Color range is already expanded. If you have problems with lower values try to Restart your PC. If the problem persist write to us with info about your PC to test and fix this.</source>
        <translation>La plage de couleurs est déjà étendue. Si vous avez des problèmes avec des valeurs plus basses, redémarrez votre PC. Si le problème persiste, écrivez-nous en décrivant votre PC pour que nous puissions le tester et le corriger.</translation>
    </message>
    <message>
        <source>Expand color range Failed</source>
        <translation>Échec de l&apos;extension de la plage de couleurs</translation>
    </message>
    <message>
        <source>Expand color range Failed you need Admin permission to execute this</source>
        <translation>Échec de l&apos;extension de la plage de couleurs&#xa0;: des droits d&apos;administrateur sont nécessaires</translation>
    </message>
    <message>
        <source>No uninstaller in the App folder</source>
        <translation>Aucun programme de désinstallation dans le dossier de l&apos;application</translation>
    </message>
    <message>
        <source>There is not uninstaller in &quot;%1&quot;
 You can quit %2 and delete the folder by hand</source>
        <translation>Il n&apos;y a pas de programme de désinstallation dans «&#xa0;%1&#xa0;».
 Vous pouvez quitter %2 et supprimer le dossier à la main</translation>
    </message>
    <message>
        <source>Gamma preservation enabled</source>
        <translation>Préservation du gamma activée</translation>
    </message>
    <message>
        <source>Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day</source>
        <translation>Kavo respecte désormais votre calibrage des couleurs. Fermez puis relancez Kavo mini pour qu&apos;il préserve vos couleurs pendant la journée</translation>
    </message>
    <message>
        <source>Gamma preservation disabled</source>
        <translation>Préservation du gamma désactivée</translation>
    </message>
    <message>
        <source>Kavo will not respect your color calibration from now on. It will use the default monitor settings instead</source>
        <translation>Kavo ne respecte plus votre calibrage des couleurs. Il utilise à la place les réglages par défaut de l&apos;écran</translation>
    </message>
    <message>
        <source>Start at startup enabled</source>
        <translation>Lancement au démarrage activé</translation>
    </message>
    <message>
        <source>Kavo mini will start when you turn ON your computer</source>
        <translation>Kavo mini se lancera au démarrage de votre ordinateur</translation>
    </message>
    <message>
        <source>Start at startup disabled</source>
        <translation>Lancement au démarrage désactivé</translation>
    </message>
    <message>
        <source>Kavo mini will not start when you turn ON your computer</source>
        <translation>Kavo mini ne se lancera pas au démarrage de votre ordinateur</translation>
    </message>
    <message>
        <source>Tray icon rotation is enabled</source>
        <translation>Rotation de l&apos;icône de notification activée</translation>
    </message>
    <message>
        <source>The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>L&apos;icône de la zone de notification tourne pendant que Kavo modifie les couleurs de l&apos;écran. Elle montre ainsi quand Kavo mini change les couleurs et que votre écran n&apos;est pas calibré</translation>
    </message>
    <message>
        <source>Tray icon rotation is disabled</source>
        <translation>Rotation de l&apos;icône de notification désactivée</translation>
    </message>
    <message>
        <source>The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>L&apos;icône de la zone de notification ne tourne pas pendant que Kavo modifie les couleurs de l&apos;écran. Cette fonction sert à montrer quand Kavo mini change les couleurs et que votre écran n&apos;est pas calibré</translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation>Réinitialiser les couleurs</translation>
    </message>
    <message>
        <source>Screen colors are reset to default values</source>
        <translation>Les couleurs de l&apos;écran ont été réinitialisées aux valeurs par défaut</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Réinitialiser les paramètres</translation>
    </message>
    <message>
        <source>Kavo settings are reset to default values</source>
        <translation>Les paramètres de Kavo ont été réinitialisés aux valeurs par défaut</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled</source>
        <translation>Hook clavier activé</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled. You can now use system-wide shortcuts.</source>
        <translation>Hook clavier activé. Vous pouvez maintenant utiliser les raccourcis globaux.</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled</source>
        <translation>Hook clavier désactivé</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled. Some shortcuts and features may not work as intended</source>
        <translation>Hook clavier désactivé. Certains raccourcis et fonctions risquent de ne pas fonctionner comme prévu</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled</source>
        <translation>Raccourcis clavier activés</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled. You can now use Kavo shortcuts.</source>
        <translation>Raccourcis clavier activés. Vous pouvez maintenant utiliser les raccourcis de Kavo.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled</source>
        <translation>Raccourcis clavier désactivés</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled. Kavo shortcuts will not work</source>
        <translation>Raccourcis clavier désactivés. Les raccourcis de Kavo ne fonctionneront pas</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled</source>
        <translation>Raccourcis d&apos;urgence activés</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.</source>
        <translation>Raccourcis d&apos;urgence activés. Vous pouvez maintenant utiliser les raccourcis d&apos;urgence de Kavo.</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled</source>
        <translation>Raccourcis d&apos;urgence désactivés</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work</source>
        <translation>Raccourcis d&apos;urgence désactivés. Les raccourcis d&apos;urgence de Kavo ne fonctionneront pas</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled</source>
        <translation>Tous les raccourcis clavier et hooks activés</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.</source>
        <translation>Tous les raccourcis clavier et hooks activés. Vous pouvez maintenant utiliser les raccourcis globaux, ceux de Kavo et les raccourcis d&apos;urgence.</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled</source>
        <translation>Tous les raccourcis clavier et hooks désactivés</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work</source>
        <translation>Tous les raccourcis clavier et hooks désactivés. Les raccourcis globaux, ceux de Kavo et les raccourcis d&apos;urgence ne fonctionneront pas</translation>
    </message>
    <message>
        <source>Manual temperature enabled</source>
        <translation>Température manuelle activée</translation>
    </message>
    <message>
        <source>You are now using Kavo Mixed mode</source>
        <translation>Vous utilisez maintenant le mode mixte de Kavo</translation>
    </message>
    <message>
        <source>Manual temperature disabled</source>
        <translation>Température manuelle désactivée</translation>
    </message>
    <message>
        <source>Kavo will use your selected mode for temperature again</source>
        <translation>Kavo utilisera de nouveau le mode choisi pour la température</translation>
    </message>
    <message>
        <source>Manual brightness enabled</source>
        <translation>Luminosité manuelle activée</translation>
    </message>
    <message>
        <source>You are now using Kavo mini Mixed mode</source>
        <translation>Vous utilisez maintenant le mode mixte de Kavo mini</translation>
    </message>
    <message>
        <source>Manual brightness disabled</source>
        <translation>Luminosité manuelle désactivée</translation>
    </message>
    <message>
        <source>Kavo mini will use your selected mode for brightness again</source>
        <translation>Kavo mini utilisera de nouveau le mode choisi pour la luminosité</translation>
    </message>
    <message>
        <source>Zero blue light</source>
        <translation>Zéro lumière bleue</translation>
    </message>
    <message>
        <source>All blue light is removed from the screen</source>
        <translation>Toute la lumière bleue est retirée de l&apos;écran</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>Colors are inverted</source>
        <translation>Les couleurs sont inversées</translation>
    </message>
    <message>
        <source>Manual location enabled</source>
        <translation>Position manuelle activée</translation>
    </message>
    <message>
        <source>Kavo mini will use your manual location. Set latitude and longitude with the hidden features</source>
        <translation>Kavo mini utilisera votre position manuelle. Définissez la latitude et la longitude avec les fonctions cachées</translation>
    </message>
    <message>
        <source>Manual location disabled</source>
        <translation>Position manuelle désactivée</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini déterminera votre position automatiquement. La position sert à calculer la course du soleil et la durée du jour et de la nuit</translation>
    </message>
    <message>
        <source>Latitude changed</source>
        <translation>Latitude modifiée</translation>
    </message>
    <message>
        <source>Latitude changed to %1°</source>
        <translation>Latitude réglée sur %1°</translation>
    </message>
    <message>
        <source>Longitude changed</source>
        <translation>Longitude modifiée</translation>
    </message>
    <message>
        <source>Longitude changed to %1°</source>
        <translation>Longitude réglée sur %1°</translation>
    </message>
    <message>
        <source>Manual night duration enabled</source>
        <translation>Durée de nuit manuelle activée</translation>
    </message>
    <message>
        <source>Kavo mini will use manual night duration. Set start and end time with the hidden features</source>
        <translation>Kavo mini utilisera une durée de nuit manuelle. Définissez le début et la fin de la nuit avec les fonctions cachées</translation>
    </message>
    <message>
        <source>Manual night duration disabled</source>
        <translation>Durée de nuit manuelle désactivée</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini calculera la durée de la nuit d&apos;après votre position. La position sert à calculer la course du soleil et la durée du jour et de la nuit</translation>
    </message>
    <message>
        <source>No File selected for Export</source>
        <translation>Aucun fichier choisi pour l&apos;exportation</translation>
    </message>
    <message>
        <source>Failed to write file for Export: %1</source>
        <translation>Impossible d&apos;écrire le fichier d&apos;exportation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>Paramètres exportés vers %1</translation>
    </message>
    <message>
        <source>No File selected for Import</source>
        <translation>Aucun fichier choisi pour l&apos;importation</translation>
    </message>
    <message>
        <source>Failed to open file for Import</source>
        <translation>Impossible d&apos;ouvrir le fichier d&apos;importation</translation>
    </message>
    <message>
        <source>File too large for Import (over 1 MiB): %1</source>
        <translation>Fichier trop volumineux pour l&apos;importation (plus de 1 MiB)&#xa0;: %1</translation>
    </message>
    <message>
        <source>Settings too large for Import (over 1 MiB)</source>
        <translation>Paramètres trop volumineux pour l&apos;importation (plus de 1 MiB)</translation>
    </message>
    <message>
        <source>Not a Kavo settings file: it does not start with the &quot;#Created by&quot; header</source>
        <translation>Ce n&apos;est pas un fichier de paramètres Kavo&#xa0;: il ne commence pas par l&apos;en-tête «&#xa0;#Created by&#xa0;»</translation>
    </message>
    <message>
        <source>No settings to import: the file holds no setting Kavo knows</source>
        <translation>Rien à importer&#xa0;: le fichier ne contient aucun paramètre connu de Kavo</translation>
    </message>
    <message>
        <source>Settings not writable: the import was not saved</source>
        <translation>Paramètres non modifiables&#xa0;: l&apos;importation n&apos;a pas été enregistrée</translation>
    </message>
    <message>
        <source>%1 settings imported</source>
        <translation>%1 paramètres importés</translation>
    </message>
    <message>
        <source>, %1 unknown keys ignored</source>
        <translation>, %1 clés inconnues ignorées</translation>
    </message>
    <message>
        <source>, %1 invalid lines skipped</source>
        <translation>, %1 lignes non valides ignorées</translation>
    </message>
    <message>
        <source>%1 until work</source>
        <translation>%1 avant la reprise</translation>
    </message>
    <message>
        <source>%1 until rest</source>
        <translation>%1 avant la pause</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in %2 minutes.</source>
        <translation>%1 vous rappelle qu&apos;une grande pause commencera dans %2 minutes.</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in 30 seconds.</source>
        <translation>%1 vous rappelle qu&apos;une grande pause commencera dans 30 secondes.</translation>
    </message>
    <message>
        <source>Big rest incoming</source>
        <translation>Grande pause imminente</translation>
    </message>
    <message>
        <source>work</source>
        <translation>reprise</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Back to work</source>
        <translation>Retour au travail</translation>
    </message>
    <message>
        <source>Bend forward and let your arms hang loose.</source>
        <translation>Penchez-vous en avant et laissez pendre vos bras.</translation>
    </message>
    <message>
        <source>Blink often: screens make us forget to.</source>
        <translation>Clignez souvent des yeux&#xa0;: devant un écran, on l&apos;oublie.</translation>
    </message>
    <message>
        <source>Blink quickly for a few seconds, then close your eyes.</source>
        <translation>Clignez rapidement des yeux pendant quelques secondes, puis fermez-les.</translation>
    </message>
    <message>
        <source>Break is coming in %1</source>
        <translation>Pause dans %1</translation>
    </message>
    <message>
        <source>Bring your chin to your chest and lift it back slowly.</source>
        <translation>Baissez le menton vers la poitrine, puis relevez-le lentement.</translation>
    </message>
    <message>
        <source>Close your eyes and breathe slowly.</source>
        <translation>Fermez les yeux et respirez lentement.</translation>
    </message>
    <message>
        <source>Drink a glass of water.</source>
        <translation>Buvez un verre d&apos;eau.</translation>
    </message>
    <message>
        <source>Esc keeps the shortcut, Backspace removes it.</source>
        <translation>Esc conserve le raccourci, Backspace le supprime.</translation>
    </message>
    <message>
        <source>Hide the camera picture</source>
        <translation>Masquer l&apos;image de la caméra</translation>
    </message>
    <message>
        <source>Hold Ctrl, Alt or Meta with this key.</source>
        <translation>Maintenez Ctrl, Alt ou Meta avec cette touche.</translation>
    </message>
    <message>
        <source>Kavo cannot use this key in a shortcut.</source>
        <translation>Kavo ne peut pas utiliser cette touche dans un raccourci.</translation>
    </message>
    <message>
        <source>Look at something at least six metres away.</source>
        <translation>Regardez quelque chose situé à au moins six mètres.</translation>
    </message>
    <message>
        <source>Look at something far away, out of a window if you can.</source>
        <translation>Regardez au loin, par une fenêtre si possible.</translation>
    </message>
    <message>
        <source>Look up, down, left and right, holding each for a breath.</source>
        <translation>Regardez en haut, en bas, à gauche et à droite, le temps d&apos;une respiration chaque fois.</translation>
    </message>
    <message>
        <source>Monitor %1</source>
        <translation>Écran %1</translation>
    </message>
    <message>
        <source>Put your hands on your hips and lean back gently.</source>
        <translation>Mettez les mains sur les hanches et penchez-vous doucement en arrière.</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Roll your shoulders back a few times.</source>
        <translation>Roulez les épaules vers l&apos;arrière plusieurs fois.</translation>
    </message>
    <message>
        <source>Roll your shoulders back five times.</source>
        <translation>Roulez les épaules vers l&apos;arrière cinq fois.</translation>
    </message>
    <message>
        <source>Show the camera picture</source>
        <translation>Afficher l&apos;image de la caméra</translation>
    </message>
    <message>
        <source>Slowly roll your eyes in a circle, then the other way.</source>
        <translation>Faites lentement tourner vos yeux en cercle, puis dans l&apos;autre sens.</translation>
    </message>
    <message>
        <source>Stand up and reach both arms above your head.</source>
        <translation>Levez-vous et tendez les deux bras au-dessus de la tête.</translation>
    </message>
    <message>
        <source>Stand up and stretch your arms above your head.</source>
        <translation>Levez-vous et étirez les bras au-dessus de la tête.</translation>
    </message>
    <message>
        <source>Step %1 / %2</source>
        <translation>Étape %1 / %2</translation>
    </message>
    <message>
        <source>The camera is off</source>
        <translation>La caméra est éteinte</translation>
    </message>
    <message>
        <source>Tilt your ear toward your shoulder on each side.</source>
        <translation>Inclinez la tête pour approcher l&apos;oreille de l&apos;épaule, de chaque côté.</translation>
    </message>
    <message>
        <source>Turn your head slowly to the left and hold, then to the right.</source>
        <translation>Tournez lentement la tête vers la gauche et tenez la position, puis vers la droite.</translation>
    </message>
    <message>
        <source>Twist your upper body slowly to each side.</source>
        <translation>Faites pivoter lentement le haut du corps de chaque côté.</translation>
    </message>
    <message>
        <source>blink detection is off</source>
        <translation>détection des clignements désactivée</translation>
    </message>
    <message>
        <source>until work</source>
        <translation>avant la reprise</translation>
    </message>
    <message>
        <source>Kavo Settings File (*.kavo_settings *.kavo)</source>
        <translation>Fichier de paramètres Kavo (*.kavo_settings *.kavo)</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>Enregistrer le fichier…</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Ouvrir un fichier…</translation>
    </message>
    <message>
        <source>This window cannot be shown: Kavo&apos;s web part is missing.</source>
        <translation>Cette fenêtre ne peut pas être affichée : le module web de Kavo est absent.</translation>
    </message>
    <message>
        <source>Camera features are missing</source>
        <translation>Les fonctions de la caméra sont absentes</translation>
    </message>
    <message>
        <source>Settings cannot be saved</source>
        <translation>Impossible d&apos;enregistrer les paramètres</translation>
    </message>
    <message>
        <source>Wayland lets no program click for the user: the auto clicker is not available.</source>
        <translation>Wayland ne laisse aucun programme cliquer à votre place : le clic automatique n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>Wayland lets no program draw the mouse cursor: the software cursor is not available.</source>
        <translation>Wayland ne laisse aucun programme dessiner le curseur de la souris : le curseur logiciel n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>Wayland gives ordinary programs no picture of the screen: effects that work on a picture while you are idle are not available.</source>
        <translation>Wayland ne donne aux programmes ordinaires aucune image de l&apos;écran : les effets qui travaillent sur une image pendant votre inactivité ne sont pas disponibles.</translation>
    </message>
    <message>
        <source>GNOME tells no program which window is in front (that needs a Shell extension): pausers and triggers cannot see programs.</source>
        <translation>GNOME n&apos;indique à aucun programme quelle fenêtre est au premier plan (il faudrait une extension Shell) : les pauses et les déclencheurs ne peuvent pas voir les programmes.</translation>
    </message>
    <message>
        <source>This compositor tells no program which window is in front: pausers and triggers cannot see programs.</source>
        <translation>Ce compositeur n&apos;indique à aucun programme quelle fenêtre est au premier plan : les pauses et les déclencheurs ne peuvent pas voir les programmes.</translation>
    </message>
    <message>
        <source>This desktop does not say when you are idle: inactivity does not stop the timer.</source>
        <translation>Ce bureau n&apos;indique pas quand vous êtes inactif : l&apos;inactivité n&apos;arrête pas le minuteur.</translation>
    </message>
    <message>
        <source>This desktop keeps keys to itself: bind each shortcut in the compositor&apos;s configuration, for example in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; or in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lists the actions).</source>
        <translation>Ce bureau garde les touches pour lui : associez chaque raccourci dans la configuration du compositeur, par exemple dans sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; ou dans Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help liste les actions).</translation>
    </message>
    <message>
        <source>This desktop lets no window lie over everything: the overlay&apos;s colour goes through the screen&apos;s colours, and the lightness spot is not shown.</source>
        <translation>Ce bureau ne laisse aucune fenêtre passer au-dessus de tout : la couleur de la superposition passe par les couleurs de l&apos;écran, et le projecteur n&apos;est pas affiché.</translation>
    </message>
    <message>
        <source>This desktop lets no program take the keyboard: strict breaks cannot keep other programs from keys.</source>
        <translation>Ce bureau ne laisse aucun programme prendre le clavier : les pauses strictes ne peuvent pas priver les autres programmes des touches.</translation>
    </message>
    <message>
        <source>This desktop has no tray (no StatusNotifierWatcher): start Kavo again to open its window.</source>
        <translation>Ce bureau n&apos;a pas de zone de notification (pas de StatusNotifierWatcher) : relancez Kavo pour ouvrir sa fenêtre.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Personnalisé</translation>
    </message>
    <message>
        <source>&amp;Health</source>
        <translation>&amp;Santé</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>S&amp;ommeil</translation>
    </message>
    <message>
        <source>&amp;Gaming</source>
        <translation>&amp;Jeux</translation>
    </message>
    <message>
        <source>&amp;Reading</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>&amp;Programming</source>
        <translation>P&amp;rogrammation</translation>
    </message>
    <message>
        <source>&amp;Biohacker</source>
        <translation>&amp;Biohacker</translation>
    </message>
    <message>
        <source>&amp;Sunglasses</source>
        <translation>L&amp;unettes de soleil</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>So&amp;mbre</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>&amp;Film</translation>
    </message>
    <message>
        <source>&amp;Overlay</source>
        <translation>Sup&amp;erposition</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Pause des couleurs</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Pause du minuteur</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Pause du curseur</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>&amp;Change mode</source>
        <translation>&amp;Changer de mode</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automatique</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>&amp;Paused</source>
        <translation>&amp;En pause</translation>
    </message>
    <message>
        <source>Stop auto clicker</source>
        <translation>Arrêter le clic automatique</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
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
