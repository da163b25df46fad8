<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Paused</source>
        <translation>Σε παύση</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Τι νέο υπάρχει</translation>
    </message>
    <message>
        <source>This build of Kavo names no page with its changes.</source>
        <translation>Αυτή η έκδοση του Kavo δεν ορίζει σελίδα με τις αλλαγές της.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Ιστότοπος</translation>
    </message>
    <message>
        <source>This build of Kavo names no website.</source>
        <translation>Αυτή η έκδοση του Kavo δεν ορίζει ιστότοπο.</translation>
    </message>
    <message>
        <source>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</source>
        <translation>Αυτή η επιφάνεια εργασίας δεν μπορεί να σχεδιάσει τον δρομέα του ποντικιού μέσω λογισμικού: ο δρομέας μένει ως έχει.</translation>
    </message>
</context>
<context>
    <name>ColorTriggers</name>
    <message>
        <source>Line %1 is not &quot;program = temperature brightness&quot;: %2</source>
        <translation>Η γραμμή %1 δεν έχει τη μορφή «πρόγραμμα = θερμοκρασία φωτεινότητα»: %2</translation>
    </message>
</context>
<context>
    <name>Cyclops</name>
    <message>
        <source>Restart your PC</source>
        <translation>Επανεκκινήστε τον υπολογιστή</translation>
    </message>
    <message>
        <source>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</source>
        <translation>Το Kavo έκανε μια μικρή αλλαγή για να επιτρέψει χαμηλότερες τιμές. Για να ξεκλειδώσουν όλες οι λειτουργίες, πρέπει να επανεκκινήσετε τον υπολογιστή μία φορά.</translation>
    </message>
    <message>
        <source>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</source>
        <translation>Ορισμένες λειτουργίες είναι περιορισμένες, επειδή πρέπει να επανεκκινήσετε τον υπολογιστή. Αυτή τη στιγμή χρησιμοποιείται το High-level Color API.</translation>
    </message>
</context>
<context>
    <name>DebugConsoleWindow</name>
    <message>
        <source>Copy all</source>
        <translation>Αντιγραφή όλων</translation>
    </message>
</context>
<context>
    <name>DebugInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>ΚΑΝΤΕ ΚΛΙΚ ΓΙΑ ΑΝΤΙΓΡΑΦΗ ΤΟΥ ΚΕΙΜΕΝΟΥ ΣΤΟ ΠΡΟΧΕΙΡΟ</translation>
    </message>
</context>
<context>
    <name>MagnificationApi</name>
    <message>
        <source>Kavo Color Effects</source>
        <translation>Χρωματικά εφέ Kavo</translation>
    </message>
    <message>
        <source>Failed to initialize color effects.</source>
        <translation>Η προετοιμασία των χρωματικών εφέ απέτυχε.</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message>
        <source>sec</source>
        <translation>δευτ.</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>ώρ.</translation>
    </message>
    <message>
        <source>min</source>
        <translation>λεπ.</translation>
    </message>
</context>
<context>
    <name>TaskbarButton</name>
    <message>
        <source>Work/Break</source>
        <translation>Εργασία/Διάλειμμα</translation>
    </message>
    <message>
        <source>Reset timer</source>
        <translation>Επαναφορά χρονομέτρου</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>Παύση/Συνέχεια</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Χρονόμετρο σε παύση</translation>
    </message>
</context>
<context>
    <name>TransitionTimesInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>ΚΑΝΤΕ ΚΛΙΚ ΓΙΑ ΑΝΤΙΓΡΑΦΗ ΤΟΥ ΚΕΙΜΕΝΟΥ ΣΤΟ ΠΡΟΧΕΙΡΟ</translation>
    </message>
    <message>
        <source>Detected current Clock time</source>
        <translation>Τρέχουσα ώρα που εντοπίστηκε</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Τοπική ώρα</translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation>Ώρα UTC</translation>
    </message>
    <message>
        <source>Day start time</source>
        <translation>Έναρξη ημέρας</translation>
    </message>
    <message>
        <source>Day transition start time</source>
        <translation>Έναρξη μετάβασης σε ημέρα</translation>
    </message>
    <message>
        <source>Day transition end time</source>
        <translation>Τέλος μετάβασης σε ημέρα</translation>
    </message>
    <message>
        <source>Day end time</source>
        <translation>Τέλος ημέρας</translation>
    </message>
    <message>
        <source>Night start time</source>
        <translation>Έναρξη νύχτας</translation>
    </message>
    <message>
        <source>Night transition start time</source>
        <translation>Έναρξη μετάβασης σε νύχτα</translation>
    </message>
    <message>
        <source>Night transition end time</source>
        <translation>Τέλος μετάβασης σε νύχτα</translation>
    </message>
    <message>
        <source>Night end time</source>
        <translation>Τέλος νύχτας</translation>
    </message>
    <message>
        <source>Day duration</source>
        <translation>Διάρκεια ημέρας</translation>
    </message>
    <message>
        <source>Day transition duration</source>
        <translation>Διάρκεια μετάβασης σε ημέρα</translation>
    </message>
    <message>
        <source>Night duration</source>
        <translation>Διάρκεια νύχτας</translation>
    </message>
    <message>
        <source>Night transition duration</source>
        <translation>Διάρκεια μετάβασης σε νύχτα</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Ζώνη ώρας</translation>
    </message>
    <message>
        <source>Custom Time zone offset</source>
        <translation>Προσαρμοσμένη μετατόπιση ζώνης ώρας</translation>
    </message>
    <message>
        <source>Sunrise time</source>
        <translation>Ανατολή ηλίου</translation>
    </message>
    <message>
        <source>Sunset time</source>
        <translation>Δύση ηλίου</translation>
    </message>
    <message>
        <source>New moon offset</source>
        <translation>Μετατόπιση στη νέα σελήνη</translation>
    </message>
    <message>
        <source>Full moon offset</source>
        <translation>Μετατόπιση στην πανσέληνο</translation>
    </message>
    <message>
        <source>Current moon offset</source>
        <translation>Τρέχουσα μετατόπιση λόγω σελήνης</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Ώρα ύπνου</translation>
    </message>
    <message>
        <source>Bedtime transition start time</source>
        <translation>Έναρξη μετάβασης στην ώρα ύπνου</translation>
    </message>
    <message>
        <source>Bedtime transition end time</source>
        <translation>Τέλος μετάβασης στην ώρα ύπνου</translation>
    </message>
    <message>
        <source>Bedtime end time</source>
        <translation>Τέλος περιόδου ύπνου</translation>
    </message>
    <message>
        <source>Wake time</source>
        <translation>Ώρα αφύπνισης</translation>
    </message>
    <message>
        <source>Wake time transition start time</source>
        <translation>Έναρξη μετάβασης στην ώρα αφύπνισης</translation>
    </message>
    <message>
        <source>Wake time transition end time</source>
        <translation>Τέλος μετάβασης στην ώρα αφύπνισης</translation>
    </message>
    <message>
        <source>Wake time end time</source>
        <translation>Τέλος περιόδου εγρήγορσης</translation>
    </message>
    <message>
        <source>Sleep duration</source>
        <translation>Διάρκεια ύπνου</translation>
    </message>
    <message>
        <source>Sleep transition duration</source>
        <translation>Διάρκεια μετάβασης ύπνου</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Γεωγραφικό πλάτος</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Γεωγραφικό μήκος</translation>
    </message>
    <message>
        <source>Use Automatic Location</source>
        <translation>Αυτόματη τοποθεσία</translation>
    </message>
    <message>
        <source>Use Manual Night Duration</source>
        <translation>Χειροκίνητη διάρκεια νύχτας</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>Loading...</source>
        <translation>Φόρτωση...</translation>
    </message>
    <message>
        <source>Location unknown: set it by hand</source>
        <translation>Άγνωστη τοποθεσία: ορίστε την χειροκίνητα</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>Υπάρχει νέα έκδοση</translation>
    </message>
    <message>
        <source>Kavo %1 is available</source>
        <translation>Το Kavo %1 είναι διαθέσιμο</translation>
    </message>
    <message>
        <source>This build of Kavo names no update server</source>
        <translation>Αυτή η έκδοση του Kavo δεν ορίζει διακομιστή ενημερώσεων</translation>
    </message>
    <message>
        <source>No answer from the update server</source>
        <translation>Ο διακομιστής ενημερώσεων δεν απαντά</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read</source>
        <translation>Η απάντηση του διακομιστή ενημερώσεων δεν ήταν δυνατό να διαβαστεί</translation>
    </message>
    <message>
        <source>Kavo is up to date</source>
        <translation>Το Kavo είναι ενημερωμένο</translation>
    </message>
    <message>
        <source>100 % leaves colours as they are; 0 % is grey.</source>
        <translation>Στο 100 % τα χρώματα μένουν ως έχουν· στο 0 % γίνονται γκρι.</translation>
    </message>
    <message>
        <source>A cursor drawn in software takes on the screen colours.</source>
        <translation>Ένας δρομέας σχεδιασμένος μέσω λογισμικού παίρνει τα χρώματα της οθόνης.</translation>
    </message>
    <message>
        <source>A window with Kavo&apos;s log as it is written. Click again to close it.</source>
        <translation>Ένα παράθυρο με το αρχείο καταγραφής του Kavo καθώς γράφεται. Κάντε ξανά κλικ για να το κλείσετε.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Σχετικά</translation>
    </message>
    <message>
        <source>Achromatomaly</source>
        <translation>Αχρωματωμαλία</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Αχρωματοψία</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Σύνθετη</translation>
    </message>
    <message>
        <source>Allows values from 0 K (deep red) to 10000 K (cold blue).</source>
        <translation>Επιτρέπει τιμές από 0 K (βαθύ κόκκινο) έως 10000 K (ψυχρό μπλε).</translation>
    </message>
    <message>
        <source>Allows values from 10 % to 150 %.</source>
        <translation>Επιτρέπει τιμές από 10 % έως 150 %.</translation>
    </message>
    <message>
        <source>Apply the saturation above.</source>
        <translation>Εφαρμογή του κορεσμού που ορίστηκε παραπάνω.</translation>
    </message>
    <message>
        <source>Ask the update server once, whatever the settings above.</source>
        <translation>Ερώτηση στον διακομιστή ενημερώσεων μία φορά, ανεξάρτητα από τις παραπάνω ρυθμίσεις.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Αυτόματη</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Αυτόματες ενημερώσεις</translation>
    </message>
    <message>
        <source>Autosave settings changes</source>
        <translation>Αυτόματη αποθήκευση αλλαγών ρυθμίσεων</translation>
    </message>
    <message>
        <source>Bedtime:</source>
        <translation>Ώρα ύπνου:</translation>
    </message>
    <message>
        <source>Biohacker</source>
        <translation>Biohacker</translation>
    </message>
    <message>
        <source>Block keyboard on strict mode</source>
        <translation>Κλείδωμα πληκτρολογίου στα αυστηρά διαλείμματα</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Μπλε</translation>
    </message>
    <message>
        <source>Blue light</source>
        <translation>Μπλε φως</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Φωτεινότητα</translation>
    </message>
    <message>
        <source>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</source>
        <translation>Φωτεινότητα μετά τη δύση του ηλίου. Μια πιο αμυδρή οθόνη κουράζει λιγότερο τα μάτια σε σκοτεινό δωμάτιο.</translation>
    </message>
    <message>
        <source>Brightness in daylight, in percent of the full screen brightness.</source>
        <translation>Φωτεινότητα στο φως της ημέρας, ως ποσοστό της πλήρους φωτεινότητας της οθόνης.</translation>
    </message>
    <message>
        <source>Brightness of the sleep period.</source>
        <translation>Φωτεινότητα της περιόδου ύπνου.</translation>
    </message>
    <message>
        <source>Build this window only when it is first opened, which saves memory and start-up time.</source>
        <translation>Δημιουργία αυτού του παραθύρου μόνο όταν ανοίξει για πρώτη φορά, για εξοικονόμηση μνήμης και ταχύτερη εκκίνηση.</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Αλλαγή</translation>
    </message>
    <message>
        <source>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</source>
        <translation>Ελαφρά τροποποίηση κάθε νέας καμπύλης γάμμα, ώστε ένα πρόγραμμα οδήγησης οθόνης που αγνοεί μια επαναλαμβανόμενη καμπύλη να πάρει ξανά τα χρώματα του Kavo, για παράδειγμα αφού τα επαναφέρει ένα παιχνίδι.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Έλεγχος για ενημερώσεις</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Έλεγχος τώρα</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Επιλογή σελίδων</translation>
    </message>
    <message>
        <source>Choose the monitors Kavo changes, and whether each has colours of its own.</source>
        <translation>Επιλέξτε τις οθόνες που αλλάζει το Kavo και αν η καθεμία έχει δικά της χρώματα.</translation>
    </message>
    <message>
        <source>ClearType</source>
        <translation>ClearType</translation>
    </message>
    <message>
        <source>ClearType with alternative renderer</source>
        <translation>ClearType με εναλλακτική απόδοση</translation>
    </message>
    <message>
        <source>Click to copy the text to the clipboard</source>
        <translation>Κάντε κλικ για αντιγραφή του κειμένου στο πρόχειρο</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Closing the window hides it instead of minimising it.</source>
        <translation>Το κλείσιμο του παραθύρου το αποκρύπτει αντί να το ελαχιστοποιεί.</translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation>Χρωματικός συνδυασμός</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Θερμοκρασία χρώματος</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Χρώματα</translation>
    </message>
    <message>
        <source>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</source>
        <translation>Θερμοκρασία χρώματος μετά τη δύση του ηλίου. Το ζεστό φως το βράδυ βοηθά τον ύπνο σας.</translation>
    </message>
    <message>
        <source>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</source>
        <translation>Θερμοκρασία χρώματος στο φως της ημέρας. Τα 6500 K είναι ουδέτερα· χαμηλότερες τιμές είναι πιο ζεστές και έχουν λιγότερο μπλε φως.</translation>
    </message>
    <message>
        <source>Colour temperature of the sleep period.</source>
        <translation>Θερμοκρασία χρώματος της περιόδου ύπνου.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Προσαρμοσμένο</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Σκοτάδι</translation>
    </message>
    <message>
        <source>Day Brightness</source>
        <translation>Φωτεινότητα ημέρας</translation>
    </message>
    <message>
        <source>Day Light</source>
        <translation>Φως ημέρας</translation>
    </message>
    <message>
        <source>Day Temperature</source>
        <translation>Θερμοκρασία ημέρας</translation>
    </message>
    <message>
        <source>Day Transition:</source>
        <translation>Μετάβαση σε ημέρα:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Αποσφαλμάτωση</translation>
    </message>
    <message>
        <source>Debug console</source>
        <translation>Κονσόλα αποσφαλμάτωσης</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>Πληροφορίες αποσφαλμάτωσης</translation>
    </message>
    <message>
        <source>Degrees east; negative in the west.</source>
        <translation>Μοίρες ανατολικά· αρνητικές στα δυτικά.</translation>
    </message>
    <message>
        <source>Degrees north; negative in the south.</source>
        <translation>Μοίρες βόρεια· αρνητικές στα νότια.</translation>
    </message>
    <message>
        <source>Desaturated</source>
        <translation>Αποκορεσμένο</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>Δευτερανωμαλία</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Δευτερανωπία</translation>
    </message>
    <message>
        <source>During strict breaks the keyboard does nothing.</source>
        <translation>Στα αυστηρά διαλείμματα το πληκτρολόγιο δεν λειτουργεί.</translation>
    </message>
    <message>
        <source>Each step enlarges the screen a little more.</source>
        <translation>Κάθε βήμα μεγεθύνει την οθόνη λίγο περισσότερο.</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Κάθε</translation>
    </message>
    <message>
        <source>Every language is named in its own words.</source>
        <translation>Κάθε γλώσσα εμφανίζεται με το δικό της όνομα.</translation>
    </message>
    <message>
        <source>Extended values</source>
        <translation>Εκτεταμένες τιμές</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Γραμματοσειρές</translation>
    </message>
    <message>
        <source>Fonts type</source>
        <translation>Εξομάλυνση γραμματοσειρών</translation>
    </message>
    <message>
        <source>Full Moon offset:</source>
        <translation>Μετατόπιση στην πανσέληνο:</translation>
    </message>
    <message>
        <source>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</source>
        <translation>Χρωματικά φίλτρα πλήρους οθόνης: κλίμακες του γκρι, αντιστροφές, σέπια και φίλτρα για δυσχρωματοψίες.</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>Παιχνίδια</translation>
    </message>
    <message>
        <source>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</source>
        <translation>Κάθε οθόνη έχει δική της θερμοκρασία και φωτεινότητα· επιλέξτε την οθόνη από τις καρτέλες επάνω.</translation>
    </message>
    <message>
        <source>Grayclase Red</source>
        <translation>Κλίμακα του γκρι με κόκκινο</translation>
    </message>
    <message>
        <source>Grayscale 1</source>
        <translation>Κλίμακα του γκρι 1</translation>
    </message>
    <message>
        <source>Grayscale 2</source>
        <translation>Κλίμακα του γκρι 2</translation>
    </message>
    <message>
        <source>Grayscale 3</source>
        <translation>Κλίμακα του γκρι 3</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Πράσινο</translation>
    </message>
    <message>
        <source>Groot</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Υγεία</translation>
    </message>
    <message>
        <source>Hide Taskbar icon on close</source>
        <translation>Απόκρυψη εικονιδίου γραμμής εργασιών στο κλείσιμο</translation>
    </message>
    <message>
        <source>How Kavo fits into your desktop.</source>
        <translation>Πώς εντάσσεται το Kavo στην επιφάνεια εργασίας σας.</translation>
    </message>
    <message>
        <source>How Kavo keeps its colours on the screen.</source>
        <translation>Πώς το Kavo διατηρεί τα χρώματά του στην οθόνη.</translation>
    </message>
    <message>
        <source>How Kavo keeps your settings and notices that you are away.</source>
        <translation>Πώς το Kavo αποθηκεύει τις ρυθμίσεις σας και καταλαβαίνει ότι λείπετε.</translation>
    </message>
    <message>
        <source>How a colour temperature turns into screen colours.</source>
        <translation>Πώς μια θερμοκρασία χρώματος μετατρέπεται σε χρώματα οθόνης.</translation>
    </message>
    <message>
        <source>How bright the screen is by day and by night.</source>
        <translation>Πόσο φωτεινή είναι η οθόνη τη μέρα και τη νύχτα.</translation>
    </message>
    <message>
        <source>How long colours glide when Kavo pauses, resumes or changes mode or type.</source>
        <translation>Πόσο διαρκεί η ομαλή αλλαγή των χρωμάτων όταν το Kavo τίθεται σε παύση, συνεχίζει ή αλλάζει λειτουργία ή τύπο.</translation>
    </message>
    <message>
        <source>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</source>
        <translation>Πόσο διαρκεί η μετάβαση σε ημέρα: με κέντρο την ανατολή του ηλίου ή με λήξη τη στιγμή που τελειώνει η νύχτα σύμφωνα με το ρολόι.</translation>
    </message>
    <message>
        <source>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</source>
        <translation>Πόσο διαρκεί η μετάβαση σε νύχτα: με κέντρο τη δύση του ηλίου ή με λήξη τη στιγμή που αρχίζει η νύχτα σύμφωνα με το ρολόι.</translation>
    </message>
    <message>
        <source>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</source>
        <translation>Πόσο διαρκούν οι μεταβάσεις προς και από την περίοδο ύπνου· τελειώνουν στην ώρα ύπνου και στην ώρα αφύπνισης.</translation>
    </message>
    <message>
        <source>How much blue light the screen gives off by day and by night.</source>
        <translation>Πόσο μπλε φως εκπέμπει η οθόνη τη μέρα και τη νύχτα.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at full moon.</source>
        <translation>Πόσο νωρίτερα αρχίζουν η νύχτα και η μέρα στην πανσέληνο.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at new moon.</source>
        <translation>Πόσο νωρίτερα αρχίζουν η νύχτα και η μέρα στη νέα σελήνη.</translation>
    </message>
    <message>
        <source>How often a running Kavo looks again.</source>
        <translation>Πόσο συχνά ελέγχει ξανά το Kavo όσο εκτελείται.</translation>
    </message>
    <message>
        <source>How slowly the colours change between day, night and sleep.</source>
        <translation>Πόσο αργά αλλάζουν τα χρώματα ανάμεσα σε μέρα, νύχτα και ύπνο.</translation>
    </message>
    <message>
        <source>How the system smooths the edges of text.</source>
        <translation>Πώς το σύστημα εξομαλύνει τις άκρες του κειμένου.</translation>
    </message>
    <message>
        <source>Invert colors</source>
        <translation>Αντιστροφή χρωμάτων</translation>
    </message>
    <message>
        <source>Kavo</source>
        <translation>Kavo</translation>
    </message>
    <message>
        <source>Kavo can look for a new version and tell you when one is out.</source>
        <translation>Το Kavo μπορεί να αναζητά νέα έκδοση και να σας ενημερώνει όταν κυκλοφορήσει.</translation>
    </message>
    <message>
        <source>Kavo follows the sun at your location. Without a location of your own it looks one up.</source>
        <translation>Το Kavo ακολουθεί τον ήλιο στην τοποθεσία σας. Αν δεν ορίσετε τοποθεσία, την εντοπίζει μόνο του.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and needs to relaunch for them to take effect.</source>
        <translation>Το Kavo έκανε αλλαγές στο σύστημά σας και πρέπει να ξεκινήσει ξανά για να εφαρμοστούν.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and restart is needed for changes to take effect.</source>
        <translation>Το Kavo έκανε αλλαγές στο σύστημά σας και απαιτείται επανεκκίνηση για να εφαρμοστούν.</translation>
    </message>
    <message>
        <source>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</source>
        <translation>Το Kavo φροντίζει τα μάτια σας: πιο ήπια χρώματα τη νύχτα και υπενθυμίσεις για διάλειμμα.</translation>
    </message>
    <message>
        <source>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</source>
        <translation>Η έκδοση του Kavo, το σύστημα και η επιφάνεια εργασίας σας και όλες οι ρυθμίσεις. Κάντε κλικ στο κείμενο για να το αντιγράψετε.</translation>
    </message>
    <message>
        <source>Keep the night brightness all the time instead of following the sun.</source>
        <translation>Διατήρηση της νυχτερινής φωτεινότητας συνεχώς αντί να ακολουθεί τον ήλιο.</translation>
    </message>
    <message>
        <source>Keep the night value all the time instead of following the sun.</source>
        <translation>Διατήρηση της νυχτερινής τιμής συνεχώς αντί να ακολουθεί τον ήλιο.</translation>
    </message>
    <message>
        <source>Keeps Kavo light while it waits in the background.</source>
        <translation>Το Kavo μένει ελαφρύ όσο περιμένει στο παρασκήνιο.</translation>
    </message>
    <message>
        <source>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</source>
        <translation>Τα πατήματα πλήκτρων μετρούν ως παρουσία: το χρονόμετρο διαλειμμάτων σταματά μετά από περίπου 20 λεπτά χωρίς αυτά και ξεκινά ξανά όταν επιστρέψετε.</translation>
    </message>
    <message>
        <source>Keyboard inactivity</source>
        <translation>Αδράνεια πληκτρολογίου</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Γλώσσα</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Αργότερα</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Γεωγραφικό πλάτος:</translation>
    </message>
    <message>
        <source>Leading Color</source>
        <translation>Κυρίαρχο χρώμα</translation>
    </message>
    <message>
        <source>Let Kavo set the frequency above.</source>
        <translation>Το Kavo ορίζει την παραπάνω συχνότητα.</translation>
    </message>
    <message>
        <source>Let Kavo tell you when a new version is out.</source>
        <translation>Το Kavo σας ενημερώνει όταν κυκλοφορεί νέα έκδοση.</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Γραμμικό</translation>
    </message>
    <message>
        <source>Linear Blue</source>
        <translation>Γραμμικό μπλε</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Τοποθεσία</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Γεωγραφικό μήκος:</translation>
    </message>
    <message>
        <source>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</source>
        <translation>Αναζήτηση νέας έκδοσης κατά την εκκίνηση του Kavo και έπειτα τακτικά. Αποθηκεύεται μαζί με τις άλλες ρυθμίσεις.</translation>
    </message>
    <message>
        <source>Look now</source>
        <translation>Αναζήτηση τώρα</translation>
    </message>
    <message>
        <source>Magmus</source>
        <translation>Magmus</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>Μεγέθυνση</translation>
    </message>
    <message>
        <source>Manage monitors</source>
        <translation>Διαχείριση οθονών</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Χειροκίνητη</translation>
    </message>
    <message>
        <source>Manual Brightness</source>
        <translation>Χειροκίνητη φωτεινότητα</translation>
    </message>
    <message>
        <source>Manual blue light</source>
        <translation>Χειροκίνητο μπλε φως</translation>
    </message>
    <message>
        <source>Manual color settings</source>
        <translation>Χειροκίνητες ρυθμίσεις χρώματος</translation>
    </message>
    <message>
        <source>Manual location</source>
        <translation>Χειροκίνητη τοποθεσία</translation>
    </message>
    <message>
        <source>Manual night duration</source>
        <translation>Χειροκίνητη διάρκεια νύχτας</translation>
    </message>
    <message>
        <source>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</source>
        <translation>Πολλές οθόνες χαμηλώνουν τον οπισθοφωτισμό ανάβοντας και σβήνοντάς τον πολύ γρήγορα (PWM). Μια υψηλότερη συχνότητα τρεμοπαίζει λιγότερο.</translation>
    </message>
    <message>
        <source>Max Frequency</source>
        <translation>Μέγιστη συχνότητα</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Ελαχιστοποίηση</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Λειτουργία</translation>
    </message>
    <message>
        <source>Monitor 1</source>
        <translation>Οθόνη 1</translation>
    </message>
    <message>
        <source>Monitor 2</source>
        <translation>Οθόνη 2</translation>
    </message>
    <message>
        <source>Monitor 3</source>
        <translation>Οθόνη 3</translation>
    </message>
    <message>
        <source>Monitor 4</source>
        <translation>Οθόνη 4</translation>
    </message>
    <message>
        <source>Monitor 5</source>
        <translation>Οθόνη 5</translation>
    </message>
    <message>
        <source>Monitor 6</source>
        <translation>Οθόνη 6</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Σελήνη</translation>
    </message>
    <message>
        <source>Mouse inactivity</source>
        <translation>Αδράνεια ποντικιού</translation>
    </message>
    <message>
        <source>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</source>
        <translation>Η κίνηση του ποντικιού μετρά ως παρουσία: το χρονόμετρο διαλειμμάτων σταματά μετά από περίπου 20 λεπτά χωρίς κίνηση και ξεκινά ξανά όταν επιστρέψετε.</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Ταινία</translation>
    </message>
    <message>
        <source>Mutes or strengthens the colours of the whole screen.</source>
        <translation>Απαλύνει ή ενισχύει τα χρώματα ολόκληρης της οθόνης.</translation>
    </message>
    <message>
        <source>Negative Grayclased Red</source>
        <translation>Αρνητική κλίμακα του γκρι με κόκκινο</translation>
    </message>
    <message>
        <source>Negative Grayscale</source>
        <translation>Αρνητική κλίμακα του γκρι</translation>
    </message>
    <message>
        <source>Negative Sepia</source>
        <translation>Αρνητική σέπια</translation>
    </message>
    <message>
        <source>New Moon offset:</source>
        <translation>Μετατόπιση στη νέα σελήνη:</translation>
    </message>
    <message>
        <source>News, help and the latest version.</source>
        <translation>Νέα, βοήθεια και η πιο πρόσφατη έκδοση.</translation>
    </message>
    <message>
        <source>Night Brightness</source>
        <translation>Φωτεινότητα νύχτας</translation>
    </message>
    <message>
        <source>Night Light</source>
        <translation>Φως νύχτας</translation>
    </message>
    <message>
        <source>Night Temperature</source>
        <translation>Θερμοκρασία νύχτας</translation>
    </message>
    <message>
        <source>Night Transition:</source>
        <translation>Μετάβαση σε νύχτα:</translation>
    </message>
    <message>
        <source>Night ends at:</source>
        <translation>Η νύχτα τελειώνει στις:</translation>
    </message>
    <message>
        <source>Night starts at:</source>
        <translation>Η νύχτα αρχίζει στις:</translation>
    </message>
    <message>
        <source>No smoothing</source>
        <translation>Χωρίς εξομάλυνση</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Κανονικό</translation>
    </message>
    <message>
        <source>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</source>
        <translation>Εμφανίζεται στους χρόνους μετάβασης παρακάτω· το ηλιακό πρόγραμμα ακολουθεί τη ζώνη ώρας του συστήματός σας.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ανενεργό</translation>
    </message>
    <message>
        <source>Olaf</source>
        <translation>Olaf</translation>
    </message>
    <message>
        <source>Old Photo</source>
        <translation>Παλιά φωτογραφία</translation>
    </message>
    <message>
        <source>Open or close</source>
        <translation>Άνοιγμα ή κλείσιμο</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Άνοιγμα ιστότοπου</translation>
    </message>
    <message>
        <source>Optimize UI Creation</source>
        <translation>Βελτιστοποίηση δημιουργίας διεπαφής</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Επικάλυψη</translation>
    </message>
    <message>
        <source>PWM Control</source>
        <translation>Έλεγχος PWM</translation>
    </message>
    <message>
        <source>PWM Frequency</source>
        <translation>Συχνότητα PWM</translation>
    </message>
    <message>
        <source>PWM control</source>
        <translation>Έλεγχος PWM</translation>
    </message>
    <message>
        <source>Pause Transition:</source>
        <translation>Μετάβαση παύσης:</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Σε παύση</translation>
    </message>
    <message>
        <source>Per Monitor Settings</source>
        <translation>Ρυθμίσεις ανά οθόνη</translation>
    </message>
    <message>
        <source>Preview 24 hours</source>
        <translation>Προεπισκόπηση 24 ωρών</translation>
    </message>
    <message>
        <source>Productive</source>
        <translation>Παραγωγικό</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Προγραμματισμός</translation>
    </message>
    <message>
        <source>Protanomaly</source>
        <translation>Πρωτανωμαλία</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Πρωτανωπία</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Ανάγνωση</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Κόκκινο</translation>
    </message>
    <message>
        <source>Relaunch is needed</source>
        <translation>Απαιτείται επανεκκίνηση του Kavo</translation>
    </message>
    <message>
        <source>Relaunch now</source>
        <translation>Επανεκκίνηση του Kavo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>Restart is needed</source>
        <translation>Απαιτείται επανεκκίνηση</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Επανεκκίνηση τώρα</translation>
    </message>
    <message>
        <source>Revert colors</source>
        <translation>Επαναφορά χρωμάτων</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Κορεσμός</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>Αποθήκευση και κλείσιμο</translation>
    </message>
    <message>
        <source>Save changes when the window closes. Without it, closing the window brings back the saved settings.</source>
        <translation>Αποθήκευση των αλλαγών όταν κλείνει το παράθυρο. Χωρίς αυτή την επιλογή, το κλείσιμο του παραθύρου επαναφέρει τις αποθηκευμένες ρυθμίσεις.</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Πρόγραμμα</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Οθόνη</translation>
    </message>
    <message>
        <source>Screen effect</source>
        <translation>Εφέ οθόνης</translation>
    </message>
    <message>
        <source>Screen effects</source>
        <translation>Εφέ οθόνης</translation>
    </message>
    <message>
        <source>Send usage statistics</source>
        <translation>Αποστολή στατιστικών χρήσης</translation>
    </message>
    <message>
        <source>Sephia</source>
        <translation>Σέπια</translation>
    </message>
    <message>
        <source>Set the frequency again with every colour update, for screens that lose it.</source>
        <translation>Ορισμός της συχνότητας ξανά σε κάθε ενημέρωση χρωμάτων, για οθόνες που τη χάνουν.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Εμφάνιση αλλαγών</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Απλή</translation>
    </message>
    <message>
        <source>Simple Inversion</source>
        <translation>Απλή αντιστροφή</translation>
    </message>
    <message>
        <source>Simple view</source>
        <translation>Απλή προβολή</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Ύπνος</translation>
    </message>
    <message>
        <source>Sleep Brightness</source>
        <translation>Φωτεινότητα ύπνου</translation>
    </message>
    <message>
        <source>Sleep Light</source>
        <translation>Φως ύπνου</translation>
    </message>
    <message>
        <source>Sleep Transition:</source>
        <translation>Μετάβαση ύπνου:</translation>
    </message>
    <message>
        <source>Smart Inversion 1</source>
        <translation>Έξυπνη αντιστροφή 1</translation>
    </message>
    <message>
        <source>Smart Inversion 2</source>
        <translation>Έξυπνη αντιστροφή 2</translation>
    </message>
    <message>
        <source>Smart Inversion 3</source>
        <translation>Έξυπνη αντιστροφή 3</translation>
    </message>
    <message>
        <source>Smart Inversion 4</source>
        <translation>Έξυπνη αντιστροφή 4</translation>
    </message>
    <message>
        <source>Smart Inversion 5</source>
        <translation>Έξυπνη αντιστροφή 5</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Τυπική</translation>
    </message>
    <message>
        <source>Start Kavo on startup</source>
        <translation>Εκκίνηση του Kavo με το σύστημα</translation>
    </message>
    <message>
        <source>Start Kavo when you log in.</source>
        <translation>Το Kavo ξεκινά όταν συνδέεστε.</translation>
    </message>
    <message>
        <source>Start and end the night by the clock instead of by the sun.</source>
        <translation>Η νύχτα αρχίζει και τελειώνει με βάση το ρολόι αντί για τον ήλιο.</translation>
    </message>
    <message>
        <source>Steps back until the screen is at its normal size.</source>
        <translation>Μικραίνει βήμα βήμα μέχρι η οθόνη να επανέλθει στο κανονικό της μέγεθος.</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>Αυστηρό</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Γυαλιά ηλίου</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Εναλλαγή χρωμάτων</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Σύστημα</translation>
    </message>
    <message>
        <source>The changes in this version of Kavo.</source>
        <translation>Οι αλλαγές σε αυτή την έκδοση του Kavo.</translation>
    </message>
    <message>
        <source>The colour temperature of the screen by day and by night, and inverted colours.</source>
        <translation>Η θερμοκρασία χρώματος της οθόνης τη μέρα και τη νύχτα, και η αντιστροφή χρωμάτων.</translation>
    </message>
    <message>
        <source>The colour that stays strongest at warm temperatures.</source>
        <translation>Το χρώμα που παραμένει πιο έντονο στις ζεστές θερμοκρασίες.</translation>
    </message>
    <message>
        <source>The filter laid over the whole screen.</source>
        <translation>Το φίλτρο που εφαρμόζεται σε ολόκληρη την οθόνη.</translation>
    </message>
    <message>
        <source>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</source>
        <translation>Η συχνότητα που ορίζει το Kavo όταν ο έλεγχος PWM είναι ενεργός. Ρωτήστε τον κατασκευαστή της οθόνης σας ποιες συχνότητες υποστηρίζει.</translation>
    </message>
    <message>
        <source>The highest frequency the slider offers, in hertz.</source>
        <translation>Η υψηλότερη συχνότητα του ρυθμιστικού, σε hertz.</translation>
    </message>
    <message>
        <source>The language of Kavo&apos;s windows, menus and messages.</source>
        <translation>Η γλώσσα των παραθύρων, των μενού και των μηνυμάτων του Kavo.</translation>
    </message>
    <message>
        <source>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</source>
        <translation>Η σελήνη μετατοπίζει το ηλιακό πρόγραμμα: η νύχτα και η μέρα αρχίζουν νωρίτερα κατά μια μετατόπιση που πηγαίνει από την τιμή της νέας σελήνης στην τιμή της πανσελήνου καθώς γεμίζει το φεγγάρι.</translation>
    </message>
    <message>
        <source>The sleep period ends here.</source>
        <translation>Εδώ τελειώνει η περίοδος ύπνου.</translation>
    </message>
    <message>
        <source>The sleep period starts here.</source>
        <translation>Εδώ αρχίζει η περίοδος ύπνου.</translation>
    </message>
    <message>
        <source>The table of colours Kavo follows from warm to cold.</source>
        <translation>Ο πίνακας χρωμάτων, από ζεστά σε ψυχρά, που ακολουθεί το Kavo.</translation>
    </message>
    <message>
        <source>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</source>
        <translation>Αυτή η οθόνη δεν προσφέρει στο Kavo έλεγχο PWM: το βοηθητικό πρόγραμμα kavo_get_pwm_frequency λείπει ή δεν αναφέρει συχνότητα.</translation>
    </message>
    <message>
        <source>This desktop offers Kavo no backlight: the screen&apos;s brightness stays as it is.</source>
        <translation>Αυτή η επιφάνεια εργασίας δεν προσφέρει στο Kavo οπίσθιο φωτισμό: η φωτεινότητα της οθόνης μένει ως έχει.</translation>
    </message>
    <message>
        <source>This desktop&apos;s night light shows only the colour temperature: colour schemes, the leading colour and screen effects need gamma ramps.</source>
        <translation>Ο νυχτερινός φωτισμός αυτής της επιφάνειας εργασίας δείχνει μόνο τη θερμοκρασία χρώματος: οι χρωματικοί συνδυασμοί, το κυρίαρχο χρώμα και τα εφέ οθόνης χρειάζονται πίνακες γάμμα.</translation>
    </message>
    <message>
        <source>Time zone offset:</source>
        <translation>Μετατόπιση ζώνης ώρας:</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Χρονόμετρο</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Μετάβαση</translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation>Τριτανωμαλία</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Τριτανωπία</translation>
    </message>
    <message>
        <source>Turn the chosen filter on or off.</source>
        <translation>Ενεργοποίηση ή απενεργοποίηση του επιλεγμένου φίλτρου.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Τύπος</translation>
    </message>
    <message>
        <source>Update continuously</source>
        <translation>Συνεχής ενημέρωση</translation>
    </message>
    <message>
        <source>Use Advanced Settings</source>
        <translation>Σύνθετες ρυθμίσεις</translation>
    </message>
    <message>
        <source>Use Gamma Fixer</source>
        <translation>Διόρθωση γάμμα</translation>
    </message>
    <message>
        <source>Use software mouse cursor</source>
        <translation>Δρομέας ποντικιού μέσω λογισμικού</translation>
    </message>
    <message>
        <source>Use the coordinates below instead of the looked-up location.</source>
        <translation>Χρήση των παρακάτω συντεταγμένων αντί για την τοποθεσία που εντοπίστηκε.</translation>
    </message>
    <message>
        <source>Use the sleep colours between bedtime and wake time.</source>
        <translation>Χρήση των χρωμάτων ύπνου από την ώρα ύπνου έως την ώρα αφύπνισης.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Έκδοση</translation>
    </message>
    <message>
        <source>Wake time:</source>
        <translation>Ώρα αφύπνισης:</translation>
    </message>
    <message>
        <source>Warmer, dimmer colours for the hours before you go to bed.</source>
        <translation>Πιο ζεστά και πιο αμυδρά χρώματα για τις ώρες πριν πάτε για ύπνο.</translation>
    </message>
    <message>
        <source>Washout 1</source>
        <translation>Ξεθώριασμα 1</translation>
    </message>
    <message>
        <source>Washout 2</source>
        <translation>Ξεθώριασμα 2</translation>
    </message>
    <message>
        <source>Washout 3</source>
        <translation>Ξεθώριασμα 3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Ιστότοπος</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Τι νέο υπάρχει</translation>
    </message>
    <message>
        <source>What to send with a request for help. Nothing leaves your computer unless you send it.</source>
        <translation>Τι να στείλετε μαζί με ένα αίτημα βοήθειας. Τίποτα δεν φεύγει από τον υπολογιστή σας αν δεν το στείλετε εσείς.</translation>
    </message>
    <message>
        <source>Where Kavo computes sunrise and sunset for.</source>
        <translation>Ο τόπος για τον οποίο το Kavo υπολογίζει την ανατολή και τη δύση του ηλίου.</translation>
    </message>
    <message>
        <source>Where the desktop decides font smoothing itself, this choice has no effect.</source>
        <translation>Όπου η επιφάνεια εργασίας αποφασίζει μόνη της για την εξομάλυνση γραμματοσειρών, αυτή η επιλογή δεν έχει αποτέλεσμα.</translation>
    </message>
    <message>
        <source>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</source>
        <translation>Ποιες σελίδες και ποια παράθυρα ανοίγετε, κάθε φορά με έναν νέο τυχαίο αριθμό, ποτέ το όνομα ή τη διεύθυνσή σας. Μόνο όταν αυτή η έκδοση του Kavo ορίζει διεύθυνση στατιστικών.</translation>
    </message>
    <message>
        <source>Zoom In:</source>
        <translation>Μεγέθυνση:</translation>
    </message>
    <message>
        <source>Zoom Out:</source>
        <translation>Σμίκρυνση:</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Μεγέθυνση</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Σμίκρυνση</translation>
    </message>
    <message>
        <source>Zooms the whole screen around the mouse pointer.</source>
        <translation>Μεγεθύνει ολόκληρη την οθόνη γύρω από τον δείκτη του ποντικιού.</translation>
    </message>
    <message>
        <source>day</source>
        <translation>ημέρα</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>κρυφή</translation>
    </message>
    <message>
        <source>month</source>
        <translation>μήνα</translation>
    </message>
    <message>
        <source>per minute</source>
        <translation>ανά λεπτό</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>το διάλειμμα</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>ορατή</translation>
    </message>
    <message>
        <source>until</source>
        <translation>μέχρι</translation>
    </message>
    <message>
        <source>week</source>
        <translation>εβδομάδα</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <source>A minute of exercises, shown step by step in the corner of your screen.</source>
        <translation>Ένα λεπτό ασκήσεων, βήμα βήμα στη γωνία της οθόνης σας.</translation>
    </message>
    <message>
        <source>A program in front gets colours of its own: a film brighter, a reader warmer.</source>
        <translation>Το πρόγραμμα στο προσκήνιο παίρνει δικά του χρώματα: μια ταινία πιο φωτεινά, ένα πρόγραμμα ανάγνωσης πιο ζεστά.</translation>
    </message>
    <message>
        <source>A short tone in the last seconds before a rest and before work.</source>
        <translation>Ένας σύντομος ήχος στα τελευταία δευτερόλεπτα πριν από το διάλειμμα και πριν από την εργασία.</translation>
    </message>
    <message>
        <source>A small window in the corner of the screen with the count and the camera picture.</source>
        <translation>Ένα μικρό παράθυρο στη γωνία της οθόνης με τη μέτρηση και την εικόνα της κάμερας.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Εφαρμογές</translation>
    </message>
    <message>
        <source>Artificial intelligence (AI)</source>
        <translation>Τεχνητή νοημοσύνη (AI)</translation>
    </message>
    <message>
        <source>Auto clicker</source>
        <translation>Αυτόματο κλικ</translation>
    </message>
    <message>
        <source>Auto close rest screen</source>
        <translation>Αυτόματο κλείσιμο οθόνης διαλείμματος</translation>
    </message>
    <message>
        <source>Automatic brightness</source>
        <translation>Αυτόματη φωτεινότητα</translation>
    </message>
    <message>
        <source>Back exercises</source>
        <translation>Ασκήσεις πλάτης</translation>
    </message>
    <message>
        <source>Blink detection</source>
        <translation>Ανίχνευση ανοιγοκλεισίματος</translation>
    </message>
    <message>
        <source>Blink screen</source>
        <translation>Παράθυρο ανοιγοκλεισίματος</translation>
    </message>
    <message>
        <source>Break every</source>
        <translation>Διάλειμμα κάθε</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Διαλείμματα</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Κάμερα</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>Κάνει κλικ</translation>
    </message>
    <message>
        <source>Clicks the left mouse button where the pointer is, again and again.</source>
        <translation>Κάνει κλικ με το αριστερό κουμπί του ποντικιού εκεί που βρίσκεται ο δείκτης, ξανά και ξανά.</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Παύση χρωμάτων</translation>
    </message>
    <message>
        <source>Color triggers</source>
        <translation>Χρώματα ανά πρόγραμμα</translation>
    </message>
    <message>
        <source>Colour changes pause while one of these programs shows: for drawing, photos and films.</source>
        <translation>Οι αλλαγές χρωμάτων σταματούν όσο εμφανίζεται ένα από αυτά τα προγράμματα: για σχέδιο, φωτογραφίες και ταινίες.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Συνέχεια</translation>
    </message>
    <message>
        <source>Continue when you are ready.</source>
        <translation>Συνεχίστε όταν είστε έτοιμοι.</translation>
    </message>
    <message>
        <source>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</source>
        <translation>Μέτρηση των ανοιγοκλεισιμάτων των ματιών ανά λεπτό. Κοιτώντας μια οθόνη ανοιγοκλείνουμε λιγότερο τα μάτια· η μέτρηση σας το υπενθυμίζει.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</source>
        <translation>Το Ctrl+Alt+Shift+F10 επαναφέρει όλες τις ρυθμίσεις, το Ctrl+Alt+Shift+F11 τερματίζει το Kavo και το Ctrl+Alt+Shift+F12 επαναφέρει τα χρώματα, ανεξάρτητα από τις παραπάνω συντομεύσεις.</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>Μείωση φωτεινότητας</translation>
    </message>
    <message>
        <source>Decrease temperature</source>
        <translation>Μείωση θερμοκρασίας</translation>
    </message>
    <message>
        <source>Dim the screen a little while it shows bright content.</source>
        <translation>Ελαφρύ χαμήλωμα της οθόνης όσο δείχνει φωτεινό περιεχόμενο.</translation>
    </message>
    <message>
        <source>End screen overlay</source>
        <translation>Τέλος επικάλυψης οθόνης</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Ασκήσεις</translation>
    </message>
    <message>
        <source>Eye exercises</source>
        <translation>Ασκήσεις ματιών</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Ενέργεια</translation>
    </message>
    <message>
        <source>Fullscreen apps</source>
        <translation>Εφαρμογές πλήρους οθόνης</translation>
    </message>
    <message>
        <source>Have a rest</source>
        <translation>Κάντε διάλειμμα</translation>
    </message>
    <message>
        <source>In front now</source>
        <translation>Τώρα στο προσκήνιο</translation>
    </message>
    <message>
        <source>Incoming break</source>
        <translation>Έρχεται διάλειμμα</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>Αύξηση φωτεινότητας</translation>
    </message>
    <message>
        <source>Increase temperature</source>
        <translation>Αύξηση θερμοκρασίας</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Είσοδος</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Εγκατάσταση</translation>
    </message>
    <message>
        <source>Invert the colours while the screen shows mostly bright content.</source>
        <translation>Αντιστροφή των χρωμάτων όσο η οθόνη δείχνει κυρίως φωτεινό περιεχόμενο.</translation>
    </message>
    <message>
        <source>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</source>
        <translation>Το Kavo προσαρμόζει την οθόνη στο δωμάτιο και σε ό,τι δείχνει. Οι εικόνες της κάμερας και τα στιγμιότυπα οθόνης μετριούνται και απορρίπτονται: δεν αποθηκεύονται ούτε αποστέλλονται πουθενά.</translation>
    </message>
    <message>
        <source>Kavo listens to its shortcuts in every program.</source>
        <translation>Το Kavo ανταποκρίνεται στις συντομεύσεις του σε κάθε πρόγραμμα.</translation>
    </message>
    <message>
        <source>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</source>
        <translation>Το Kavo σας υπενθυμίζει να ξεκουράζετε τα μάτια σας: ένα σύντομο διάλειμμα μετά από κάθε διάστημα εργασίας.</translation>
    </message>
    <message>
        <source>Kavo version</source>
        <translation>Έκδοση Kavo</translation>
    </message>
    <message>
        <source>Keep the screen as bright as the room around it.</source>
        <translation>Η οθόνη μένει τόσο φωτεινή όσο το δωμάτιο γύρω της.</translation>
    </message>
    <message>
        <source>Key combinations that reach Kavo from every program.</source>
        <translation>Συνδυασμοί πλήκτρων που φτάνουν στο Kavo από κάθε πρόγραμμα.</translation>
    </message>
    <message>
        <source>Lite</source>
        <translation>Ελαφριά</translation>
    </message>
    <message>
        <source>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</source>
        <translation>Η Ελαφριά είναι ένα απλό σκούρο πέπλο με τον χρόνο που απομένει. Η Απλή και η Τυπική είναι πλήρεις σελίδες· η Τυπική προσθέτει το ρολόι και μια ιδέα για το διάλειμμά σας.</translation>
    </message>
    <message>
        <source>Look away from the screen and let your eyes relax.</source>
        <translation>Κοιτάξτε μακριά από την οθόνη και αφήστε τα μάτια σας να χαλαρώσουν.</translation>
    </message>
    <message>
        <source>Look far, roll and blink: eyes that focus on a screen all day need it most.</source>
        <translation>Κοιτάξτε μακριά, γυρίστε τα μάτια και ανοιγοκλείστε τα: τα μάτια που εστιάζουν όλη μέρα σε οθόνη το χρειάζονται περισσότερο.</translation>
    </message>
    <message>
        <source>Manual or automatic</source>
        <translation>Χειροκίνητη ή αυτόματη λειτουργία</translation>
    </message>
    <message>
        <source>Match brightness to lighting</source>
        <translation>Φωτεινότητα ανάλογα με τον φωτισμό</translation>
    </message>
    <message>
        <source>Milliseconds between two clicks, at least 10.</source>
        <translation>Χιλιοστά του δευτερολέπτου ανάμεσα σε δύο κλικ, τουλάχιστον 10.</translation>
    </message>
    <message>
        <source>Minutes of work, then seconds of rest.</source>
        <translation>Λεπτά εργασίας, έπειτα δευτερόλεπτα διαλείμματος.</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Παύση δρομέα</translation>
    </message>
    <message>
        <source>Neck exercises</source>
        <translation>Ασκήσεις αυχένα</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Επόμενο</translation>
    </message>
    <message>
        <source>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</source>
        <translation>Τα κανονικά διαλείμματα μπορούν να παραλειφθούν, τα αυστηρά όχι. Το Παραγωγικό δείχνει μια μικρή αντίστροφη μέτρηση αντί να καλύπτει την οθόνη.</translation>
    </message>
    <message>
        <source>One program per line, named as it runs (vlc, kmplayer). Add fullscreen after a name to pause only while it fills the screen.</source>
        <translation>Ένα πρόγραμμα ανά γραμμή, με το όνομα με το οποίο εκτελείται (vlc, kmplayer). Προσθέστε fullscreen μετά από ένα όνομα για παύση μόνο όταν το πρόγραμμα γεμίζει την οθόνη.</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, bsplayer).</source>
        <translation>Ένα πρόγραμμα ανά γραμμή, ακριβώς με το όνομα με το οποίο εκτελείται (vlc, bsplayer).</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, kmplayer).</source>
        <translation>Ένα πρόγραμμα ανά γραμμή, ακριβώς με το όνομα με το οποίο εκτελείται (vlc, kmplayer).</translation>
    </message>
    <message>
        <source>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</source>
        <translation>Ένα πρόγραμμα ανά γραμμή: όνομα = θερμοκρασία φωτεινότητα, για παράδειγμα vlc = 6500 120. Θερμοκρασία από 0 έως 10000 K, φωτεινότητα από 10 έως 150 %.</translation>
    </message>
    <message>
        <source>Pause colour changes while a listed program shows.</source>
        <translation>Παύση των αλλαγών χρωμάτων όσο εμφανίζεται ένα πρόγραμμα της λίστας.</translation>
    </message>
    <message>
        <source>Pause colour changes while any program fills the screen.</source>
        <translation>Παύση των αλλαγών χρωμάτων όσο οποιοδήποτε πρόγραμμα γεμίζει την οθόνη.</translation>
    </message>
    <message>
        <source>Pause or resume Kavo</source>
        <translation>Παύση ή συνέχεια του Kavo</translation>
    </message>
    <message>
        <source>Pause or resume the timer</source>
        <translation>Παύση ή συνέχεια του χρονομέτρου</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>Αναβολή</translation>
    </message>
    <message>
        <source>Postpone duration</source>
        <translation>Διάρκεια αναβολής</translation>
    </message>
    <message>
        <source>Press the new combination</source>
        <translation>Πατήστε τον νέο συνδυασμό</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Προγράμματα</translation>
    </message>
    <message>
        <source>Programs and colours</source>
        <translation>Προγράμματα και χρώματα</translation>
    </message>
    <message>
        <source>Quit Kavo</source>
        <translation>Τερματισμός του Kavo</translation>
    </message>
    <message>
        <source>Rest screen</source>
        <translation>Οθόνη διαλείμματος</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Screen effects on or off</source>
        <translation>Ενεργοποίηση ή απενεργοποίηση εφέ οθόνης</translation>
    </message>
    <message>
        <source>Overlays</source>
        <translation>Επικαλύψεις</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Αισθητήρες</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Συντόμευση</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Συντομεύσεις</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Παράλειψη</translation>
    </message>
    <message>
        <source>Slow turns and tilts for a neck that held one position too long.</source>
        <translation>Αργές περιστροφές και κλίσεις για έναν αυχένα που έμεινε πολύ ώρα στην ίδια θέση.</translation>
    </message>
    <message>
        <source>Smart brightness</source>
        <translation>Έξυπνη φωτεινότητα</translation>
    </message>
    <message>
        <source>Smart inversion</source>
        <translation>Έξυπνη αντιστροφή</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <source>Start a break</source>
        <translation>Έναρξη διαλείμματος</translation>
    </message>
    <message>
        <source>Start screen overlay</source>
        <translation>Έναρξη επικάλυψης οθόνης</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Διακοπή</translation>
    </message>
    <message>
        <source>Stop it here, from the tray menu or by quitting Kavo.</source>
        <translation>Διακόψτε το από εδώ, από το μενού της περιοχής ειδοποιήσεων ή τερματίζοντας το Kavo.</translation>
    </message>
    <message>
        <source>Stop the break timer while a listed program shows.</source>
        <translation>Διακοπή του χρονομέτρου διαλειμμάτων όσο εμφανίζεται ένα πρόγραμμα της λίστας.</translation>
    </message>
    <message>
        <source>Stop the break timer while any program fills the screen.</source>
        <translation>Διακοπή του χρονομέτρου διαλειμμάτων όσο οποιοδήποτε πρόγραμμα γεμίζει την οθόνη.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Σταματημένο</translation>
    </message>
    <message>
        <source>Stretches you can do standing beside your desk.</source>
        <translation>Διατάσεις που μπορείτε να κάνετε όρθιοι δίπλα στο γραφείο σας.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while a listed program shows.</source>
        <translation>Απενεργοποίηση του δρομέα λογισμικού όσο εμφανίζεται ένα πρόγραμμα της λίστας.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while any program fills the screen.</source>
        <translation>Απενεργοποίηση του δρομέα λογισμικού όσο οποιοδήποτε πρόγραμμα γεμίζει την οθόνη.</translation>
    </message>
    <message>
        <source>Ten seconds before a rest Kavo offers to move it by this many minutes.</source>
        <translation>Δέκα δευτερόλεπτα πριν από το διάλειμμα, το Kavo προτείνει να το μεταθέσει κατά τόσα λεπτά.</translation>
    </message>
    <message>
        <source>The break timer stops while one of these programs shows: films, presentations, calls.</source>
        <translation>Το χρονόμετρο διαλειμμάτων σταματά όσο εμφανίζεται ένα από αυτά τα προγράμματα: ταινίες, παρουσιάσεις, κλήσεις.</translation>
    </message>
    <message>
        <source>The camera measures the room light and the brightness follows it, a little every second.</source>
        <translation>Η κάμερα μετρά το φως του δωματίου και η φωτεινότητα το ακολουθεί, λίγο κάθε δευτερόλεπτο.</translation>
    </message>
    <message>
        <source>The program you are using, as the lists name it.</source>
        <translation>Το πρόγραμμα που χρησιμοποιείτε, με το όνομα που έχει στις λίστες.</translation>
    </message>
    <message>
        <source>The rest is over</source>
        <translation>Το διάλειμμα τελείωσε</translation>
    </message>
    <message>
        <source>The software cursor goes while one of these programs shows: games draw their own.</source>
        <translation>Ο δρομέας λογισμικού εξαφανίζεται όσο εμφανίζεται ένα από αυτά τα προγράμματα: τα παιχνίδια σχεδιάζουν τον δικό τους.</translation>
    </message>
    <message>
        <source>This is a strict rest: it ends by itself.</source>
        <translation>Αυτό είναι αυστηρό διάλειμμα: τελειώνει μόνο του.</translation>
    </message>
    <message>
        <source>Time for a rest</source>
        <translation>Ώρα για διάλειμμα</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Παύση χρονομέτρου</translation>
    </message>
    <message>
        <source>Timer type</source>
        <translation>Τύπος χρονομέτρου</translation>
    </message>
    <message>
        <source>Use sounds</source>
        <translation>Ήχοι</translation>
    </message>
    <message>
        <source>Use the colours of the list while a listed program is in front.</source>
        <translation>Χρήση των χρωμάτων της λίστας όσο ένα πρόγραμμα της λίστας είναι στο προσκήνιο.</translation>
    </message>
    <message>
        <source>Use the first camera for the room light and the blink count.</source>
        <translation>Χρήση της πρώτης κάμερας για το φως του δωματίου και τη μέτρηση ανοιγοκλεισιμάτων.</translation>
    </message>
    <message>
        <source>What covers your monitors during a rest.</source>
        <translation>Τι καλύπτει τις οθόνες σας κατά το διάλειμμα.</translation>
    </message>
    <message>
        <source>What the shortcut does.</source>
        <translation>Τι κάνει η συντόμευση.</translation>
    </message>
    <message>
        <source>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</source>
        <translation>Όταν τελειώσει το διάλειμμα, η εργασία ξεκινά αμέσως. Χωρίς αυτή την επιλογή, η οθόνη διαλείμματος περιμένει να συνεχίσετε.</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Εργασία</translation>
    </message>
    <message>
        <source>min</source>
        <translation>λεπ.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>καμία</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>δευτ.</translation>
    </message>
    <message>
        <source>until rest</source>
        <translation>μέχρι το διάλειμμα</translation>
    </message>
    <message>
        <source>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</source>
        <translation>Το %b είναι enable ή disable, το %d ακέραιος αριθμός, το %f αριθμός, το %s λέξη. Κάντε κλικ σε ένα ξόρκι για να το αντιγράψετε στο πεδίο.</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Ενεργοποίηση</translation>
    </message>
    <message>
        <source>Click again to reset every setting</source>
        <translation>Κάντε ξανά κλικ για επαναφορά όλων των ρυθμίσεων</translation>
    </message>
    <message>
        <source>Enter your spell:</source>
        <translation>Πληκτρολογήστε το ξόρκι σας:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Εξαγωγή</translation>
    </message>
    <message>
        <source>Hidden features</source>
        <translation>Κρυφές λειτουργίες</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Εισαγωγή</translation>
    </message>
    <message>
        <source>Move your settings to another computer, or keep a copy.</source>
        <translation>Μεταφέρετε τις ρυθμίσεις σας σε άλλον υπολογιστή ή κρατήστε ένα αντίγραφο.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Επαναφορά προεπιλογών</translation>
    </message>
    <message>
        <source>Settings exported</source>
        <translation>Οι ρυθμίσεις εξήχθησαν</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Αρχείο ρυθμίσεων</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>Ξόρκια</translation>
    </message>
    <message>
        <source>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</source>
        <translation>Τα ξόρκια αλλάζουν ρυθμίσεις που δεν έχουν στοιχείο ελέγχου στις σελίδες. Τα ίδια ξόρκια λειτουργούν και από τη γραμμή εντολών: kavo &quot;type dark&quot;.</translation>
    </message>
    <message>
        <source>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</source>
        <translation>Ένα διάφανο χρωματιστό στρώμα πάνω από την οθόνη τη σκουραίνει και τη χρωματίζει περισσότερο απ&apos; ό,τι μόνο τα χρώματα· τα κλικ περνούν από μέσα του.</translation>
    </message>
    <message>
        <source>Day Dim</source>
        <translation>Σκούρεμα ημέρας</translation>
    </message>
    <message>
        <source>Day Opacity</source>
        <translation>Αδιαφάνεια ημέρας</translation>
    </message>
    <message>
        <source>How dark the surroundings are.</source>
        <translation>Πόσο σκοτεινός είναι ο περίγυρος.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is at night.</source>
        <translation>Πόσο πιο σκούρο είναι το χρώμα του στρώματος τη νύχτα.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is by day.</source>
        <translation>Πόσο πιο σκούρο είναι το χρώμα του στρώματος την ημέρα.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen at night.</source>
        <translation>Πόσο καλύπτει το στρώμα την οθόνη τη νύχτα.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen by day.</source>
        <translation>Πόσο καλύπτει το στρώμα την οθόνη την ημέρα.</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Λουλακί</translation>
    </message>
    <message>
        <source>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</source>
        <translation>Κρατά ένα φωτεινό σημείο στην οθόνη και σκουραίνει ό,τι βρίσκεται γύρω του· τα κλικ περνούν από μέσα.</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Λεμονί</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Φωτεινό σημείο</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Ματζέντα</translation>
    </message>
    <message>
        <source>Night Dim</source>
        <translation>Σκούρεμα νύχτας</translation>
    </message>
    <message>
        <source>Night Opacity</source>
        <translation>Αδιαφάνεια νύχτας</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Αδιαφάνεια</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Πορτοκαλί</translation>
    </message>
    <message>
        <source>Overlay color</source>
        <translation>Χρώμα επικάλυψης</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Μωβ</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Ακτίνα</translation>
    </message>
    <message>
        <source>Reset area</source>
        <translation>Επαναφορά περιοχής</translation>
    </message>
    <message>
        <source>Scarlet</source>
        <translation>Άλικο</translation>
    </message>
    <message>
        <source>Screen overlay</source>
        <translation>Επικάλυψη οθόνης</translation>
    </message>
    <message>
        <source>Select an area, then drag over the screen: the area stays clear. Escape cancels.</source>
        <translation>Επιλέξτε περιοχή και σύρετε πάνω στην οθόνη: η περιοχή μένει καθαρή. Το Escape ακυρώνει.</translation>
    </message>
    <message>
        <source>Select area</source>
        <translation>Επιλογή περιοχής</translation>
    </message>
    <message>
        <source>Show the layer.</source>
        <translation>Εμφάνιση του στρώματος.</translation>
    </message>
    <message>
        <source>Show the spot.</source>
        <translation>Εμφάνιση του σημείου.</translation>
    </message>
    <message>
        <source>The colour of the layer.</source>
        <translation>Το χρώμα του στρώματος.</translation>
    </message>
    <message>
        <source>The size of the bright spot.</source>
        <translation>Το μέγεθος του φωτεινού σημείου.</translation>
    </message>
    <message>
        <source>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</source>
        <translation>Σε αυτό το περιβάλλον το εφέ εμφανίζεται όσο είστε αδρανείς: μετά από δύο ήσυχα δευτερόλεπτα μια εικόνα της οθόνης με το εφέ την καλύπτει, μέχρι να πατήσετε ένα πλήκτρο ή να κινήσετε το ποντίκι.</translation>
    </message>
    <message>
        <source>This effect shows at once.</source>
        <translation>Αυτό το εφέ εμφανίζεται αμέσως.</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Τιρκουάζ</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Βιολετί</translation>
    </message>
    <message>
        <source>Where the spot sits across the screen.</source>
        <translation>Η οριζόντια θέση του σημείου στην οθόνη.</translation>
    </message>
    <message>
        <source>Where the spot sits down the screen.</source>
        <translation>Η κατακόρυφη θέση του σημείου στην οθόνη.</translation>
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
        <translation>Κίτρινο</translation>
    </message>
    <message>
        <source>Settings imported</source>
        <translation>Οι ρυθμίσεις εισήχθησαν</translation>
    </message>
    <message>
        <source>Settings not imported</source>
        <translation>Οι ρυθμίσεις δεν εισήχθησαν</translation>
    </message>
    <message>
        <source>%1 conflicts with %2</source>
        <translation>Το %1 έρχεται σε διένεξη με το %2</translation>
    </message>
    <message>
        <source>%1 conflicts with %2 color changes and you may see some ON/OFF flicker of the colors.
%2 automatically closes such apps, but please uninstall one of the apps if you still have problems.</source>
        <translation>Το %1 έρχεται σε διένεξη με τις αλλαγές χρωμάτων του %2 και τα χρώματα μπορεί να τρεμοπαίζουν.
Το %2 κλείνει αυτόματα τέτοιες εφαρμογές, αλλά αν εξακολουθείτε να έχετε προβλήματα, απεγκαταστήστε μία από τις δύο εφαρμογές.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>Remaining %1</source>
        <translation>Απομένει: %1</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>Δεν βρέθηκε κάμερα</translation>
    </message>
    <message>
        <source>Object detectors not found</source>
        <translation>Δεν βρέθηκαν ανιχνευτές αντικειμένων</translation>
    </message>
    <message>
        <source>Invalid spell</source>
        <translation>Μη έγκυρο ξόρκι</translation>
    </message>
    <message>
        <source>The spell &quot;%1&quot; seems wrong. Check the syntax or try with some other hidden feature.
Use &quot;help&quot; to see the list of all hidden features :)</source>
        <translation>Το ξόρκι «%1» φαίνεται λάθος. Ελέγξτε τη σύνταξη ή δοκιμάστε κάποια άλλη κρυφή λειτουργία.
Γράψτε &quot;help&quot; για να δείτε όλες τις κρυφές λειτουργίες :)</translation>
    </message>
    <message>
        <source>Hidden feature succeeded</source>
        <translation>Η κρυφή λειτουργία πέτυχε</translation>
    </message>
    <message>
        <source>%1 succeeded</source>
        <translation>Το ξόρκι %1 πέτυχε</translation>
    </message>
    <message>
        <source>Invalid temperature</source>
        <translation>Μη έγκυρη θερμοκρασία</translation>
    </message>
    <message>
        <source>%1 is invalid value for Color temperature. Use number between 0 and 10000.</source>
        <translation>Το %1 δεν είναι έγκυρη τιμή θερμοκρασίας χρώματος. Δώστε αριθμό από 0 έως 10000.</translation>
    </message>
    <message>
        <source>Temperature changed</source>
        <translation>Η θερμοκρασία άλλαξε</translation>
    </message>
    <message>
        <source>Color temperature changed to %1K</source>
        <translation>Η θερμοκρασία χρώματος άλλαξε σε %1K</translation>
    </message>
    <message>
        <source>Invalid brightness</source>
        <translation>Μη έγκυρη φωτεινότητα</translation>
    </message>
    <message>
        <source>%1 is invalid value for Brightness. Use number between 10 and 100.</source>
        <translation>Το %1 δεν είναι έγκυρη τιμή φωτεινότητας. Δώστε αριθμό από 10 έως 100.</translation>
    </message>
    <message>
        <source>Brightness changed</source>
        <translation>Η φωτεινότητα άλλαξε</translation>
    </message>
    <message>
        <source>Brightness changed to %1%</source>
        <translation>Η φωτεινότητα άλλαξε σε %1%</translation>
    </message>
    <message>
        <source>Invalid Night start time</source>
        <translation>Μη έγκυρη έναρξη νύχτας</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night start time. Use number between 0 and 24.</source>
        <translation>Το %1 δεν είναι έγκυρη τιμή για την έναρξη της νύχτας. Δώστε αριθμό από 0 έως 24.</translation>
    </message>
    <message>
        <source>Night start time changed</source>
        <translation>Η έναρξη της νύχτας άλλαξε</translation>
    </message>
    <message>
        <source>Manual night start time changed to %1h</source>
        <translation>Η χειροκίνητη έναρξη της νύχτας άλλαξε σε %1h</translation>
    </message>
    <message>
        <source>Invalid Night end time</source>
        <translation>Μη έγκυρο τέλος νύχτας</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night end time. Use number between 0 and 24.</source>
        <translation>Το %1 δεν είναι έγκυρη τιμή για το τέλος της νύχτας. Δώστε αριθμό από 0 έως 24.</translation>
    </message>
    <message>
        <source>Night end time changed</source>
        <translation>Το τέλος της νύχτας άλλαξε</translation>
    </message>
    <message>
        <source>Manual night end time changed to %1h</source>
        <translation>Το χειροκίνητο τέλος της νύχτας άλλαξε σε %1h</translation>
    </message>
    <message>
        <source>Kavo is switching to %1 type</source>
        <translation>Το Kavo αλλάζει στον τύπο %1</translation>
    </message>
    <message>
        <source>You will see the difference in your screen after a moment :)</source>
        <translation>Θα δείτε τη διαφορά στην οθόνη σας σε λίγο :)</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>Οι ειδοποιήσεις ενεργοποιήθηκαν</translation>
    </message>
    <message>
        <source>Hidden features notifications are enabled. They are show so you will know when your spell is successful</source>
        <translation>Οι ειδοποιήσεις των κρυφών λειτουργιών είναι ενεργές. Εμφανίζονται για να ξέρετε πότε πέτυχε το ξόρκι σας</translation>
    </message>
    <message>
        <source>Notifications disabled</source>
        <translation>Οι ειδοποιήσεις απενεργοποιήθηκαν</translation>
    </message>
    <message>
        <source>Hidden features notifications are disabled. This is the last notification that you will see</source>
        <translation>Οι ειδοποιήσεις των κρυφών λειτουργιών είναι ανενεργές. Αυτή είναι η τελευταία ειδοποίηση που θα δείτε</translation>
    </message>
    <message>
        <source>Gamma fixer enabled</source>
        <translation>Η διόρθωση γάμμα ενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>Gamma fixer is enabled. If notice slight color changing every second disable the Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini changes from time to time.</source>
        <translation>Η διόρθωση γάμμα είναι ενεργή. Αν παρατηρήσετε μια ελαφριά αλλαγή χρωμάτων κάθε δευτερόλεπτο, απενεργοποιήστε την ξανά. Η διόρθωση γάμμα χρησιμοποιείται επειδή τα Windows κατά καιρούς αγνοούν τις μικρές αλλαγές του Kavo mini.</translation>
    </message>
    <message>
        <source>Gamma fixer disabled</source>
        <translation>Η διόρθωση γάμμα απενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or click the Kavo mini icon several times. Both should force Kavo to change the screen colors.</source>
        <translation>Η διόρθωση γάμμα είναι ανενεργή. Αν η οθόνη σας γίνει ξαφνικά φωτεινή, ενεργοποιήστε την ξανά ή κάντε κλικ στο εικονίδιο του Kavo mini μερικές φορές. Και τα δύο αναγκάζουν το Kavo να αλλάξει τα χρώματα της οθόνης.</translation>
    </message>
    <message>
        <source>Software cursor enabled</source>
        <translation>Ο δρομέας λογισμικού ενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>Color changes will apply also on the cursor. If it starts to dissappear use disable software cursor to make it bright again.</source>
        <translation>Οι αλλαγές χρωμάτων θα εφαρμόζονται και στον δρομέα. Αν αρχίσει να εξαφανίζεται, απενεργοποιήστε τον δρομέα λογισμικού για να γίνει ξανά φωτεινός.</translation>
    </message>
    <message>
        <source>Hardware cursor enabled</source>
        <translation>Ο δρομέας υλικού ενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>Color changes will not apply on the cursor. If you don&apos;t like the bright blue cursor at night use enable software cursor to make apply color changes on the cursor.</source>
        <translation>Οι αλλαγές χρωμάτων δεν θα εφαρμόζονται στον δρομέα. Αν δεν σας αρέσει ο φωτεινός μπλε δρομέας τη νύχτα, ενεργοποιήστε τον δρομέα λογισμικού ώστε οι αλλαγές χρωμάτων να εφαρμόζονται και σε αυτόν.</translation>
    </message>
    <message>
        <source>Conflicting applications enabled</source>
        <translation>Οι αντικρουόμενες εφαρμογές επιτρέπονται</translation>
    </message>
    <message>
        <source>Conflicting applications are enabled. You can now use other softwares which change the screen colors.</source>
        <translation>Οι αντικρουόμενες εφαρμογές επιτρέπονται. Μπορείτε πλέον να χρησιμοποιείτε και άλλα προγράμματα που αλλάζουν τα χρώματα της οθόνης.</translation>
    </message>
    <message>
        <source>Conflicting applications disabled</source>
        <translation>Οι αντικρουόμενες εφαρμογές δεν επιτρέπονται</translation>
    </message>
    <message>
        <source>Conflicting applications are disabled. In order to not cause flicker conflicting applications are disabled.</source>
        <translation>Οι αντικρουόμενες εφαρμογές δεν επιτρέπονται, ώστε να μην προκαλούν τρεμόπαιγμα.</translation>
    </message>
    <message>
        <source>Monitor %1 disabled</source>
        <translation>Η οθόνη %1 απενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>Kavo will not apply color changes to Monitor %1</source>
        <translation>Το Kavo δεν θα αλλάζει τα χρώματα της οθόνης %1</translation>
    </message>
    <message>
        <source>Monitor %1 enabled</source>
        <translation>Η οθόνη %1 ενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>Kavo will apply color changes to Monitor %1</source>
        <translation>Το Kavo θα αλλάζει τα χρώματα της οθόνης %1</translation>
    </message>
    <message>
        <source>Color range is already expanded</source>
        <translation>Το εύρος χρωμάτων έχει ήδη επεκταθεί</translation>
    </message>
    <message>
        <source>Color range is already expanded. If you have problems with lower values try to Restart your PC. If the problem persist write to us with info about your PC to test and fix this.</source>
        <translation>Το εύρος χρωμάτων έχει ήδη επεκταθεί. Αν έχετε προβλήματα με χαμηλότερες τιμές, δοκιμάστε να επανεκκινήσετε τον υπολογιστή. Αν το πρόβλημα παραμένει, γράψτε μας με πληροφορίες για τον υπολογιστή σας ώστε να το ελέγξουμε και να το διορθώσουμε.</translation>
    </message>
    <message>
        <source>Expand color range Failed</source>
        <translation>Η επέκταση του εύρους χρωμάτων απέτυχε</translation>
    </message>
    <message>
        <source>Expand color range Failed you need Admin permission to execute this</source>
        <translation>Η επέκταση του εύρους χρωμάτων απέτυχε: χρειάζονται δικαιώματα διαχειριστή</translation>
    </message>
    <message>
        <source>No uninstaller in the App folder</source>
        <translation>Δεν υπάρχει πρόγραμμα απεγκατάστασης στον φάκελο της εφαρμογής</translation>
    </message>
    <message>
        <source>There is not uninstaller in &quot;%1&quot;
 You can quit %2 and delete the folder by hand</source>
        <translation>Δεν υπάρχει πρόγραμμα απεγκατάστασης στο «%1»
 Μπορείτε να τερματίσετε το %2 και να διαγράψετε τον φάκελο με το χέρι</translation>
    </message>
    <message>
        <source>Gamma preservation enabled</source>
        <translation>Η διατήρηση γάμμα ενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day</source>
        <translation>Το Kavo θα σέβεται πλέον τη βαθμονόμηση χρωμάτων σας. Κλείστε και ξεκινήστε ξανά το Kavo mini και θα διατηρεί τα χρώματά σας κατά τη διάρκεια της ημέρας</translation>
    </message>
    <message>
        <source>Gamma preservation disabled</source>
        <translation>Η διατήρηση γάμμα απενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>Kavo will not respect your color calibration from now on. It will use the default monitor settings instead</source>
        <translation>Το Kavo δεν θα σέβεται πλέον τη βαθμονόμηση χρωμάτων σας. Θα χρησιμοποιεί αντί γι&apos; αυτήν τις προεπιλεγμένες ρυθμίσεις της οθόνης</translation>
    </message>
    <message>
        <source>Start at startup enabled</source>
        <translation>Η εκκίνηση με το σύστημα ενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>Kavo mini will start when you turn ON your computer</source>
        <translation>Το Kavo mini θα ξεκινά όταν ανοίγετε τον υπολογιστή σας</translation>
    </message>
    <message>
        <source>Start at startup disabled</source>
        <translation>Η εκκίνηση με το σύστημα απενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>Kavo mini will not start when you turn ON your computer</source>
        <translation>Το Kavo mini δεν θα ξεκινά όταν ανοίγετε τον υπολογιστή σας</translation>
    </message>
    <message>
        <source>Tray icon rotation is enabled</source>
        <translation>Η περιστροφή του εικονιδίου ειδοποιήσεων είναι ενεργή</translation>
    </message>
    <message>
        <source>The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Το εικονίδιο στην περιοχή ειδοποιήσεων θα περιστρέφεται όσο το Kavo αλλάζει τα χρώματα της οθόνης. Έτσι φαίνεται πότε το Kavo mini αλλάζει χρώματα και η οθόνη σας δεν είναι βαθμονομημένη</translation>
    </message>
    <message>
        <source>Tray icon rotation is disabled</source>
        <translation>Η περιστροφή του εικονιδίου ειδοποιήσεων είναι ανενεργή</translation>
    </message>
    <message>
        <source>The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Το εικονίδιο στην περιοχή ειδοποιήσεων δεν θα περιστρέφεται όσο το Kavo αλλάζει τα χρώματα της οθόνης. Η περιστροφή δείχνει πότε το Kavo mini αλλάζει χρώματα και η οθόνη σας δεν είναι βαθμονομημένη</translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation>Επαναφορά χρωμάτων</translation>
    </message>
    <message>
        <source>Screen colors are reset to default values</source>
        <translation>Τα χρώματα της οθόνης επανήλθαν στις προεπιλεγμένες τιμές</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Επαναφορά ρυθμίσεων</translation>
    </message>
    <message>
        <source>Kavo settings are reset to default values</source>
        <translation>Οι ρυθμίσεις του Kavo επανήλθαν στις προεπιλεγμένες τιμές</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled</source>
        <translation>Το άγκιστρο πληκτρολογίου ενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled. You can now use system-wide shortcuts.</source>
        <translation>Το άγκιστρο πληκτρολογίου ενεργοποιήθηκε. Μπορείτε πλέον να χρησιμοποιείτε συντομεύσεις σε όλο το σύστημα.</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled</source>
        <translation>Το άγκιστρο πληκτρολογίου απενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled. Some shortcuts and features may not work as intended</source>
        <translation>Το άγκιστρο πληκτρολογίου απενεργοποιήθηκε. Ορισμένες συντομεύσεις και λειτουργίες ίσως δεν λειτουργούν όπως πρέπει</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled</source>
        <translation>Οι συντομεύσεις πληκτρολογίου ενεργοποιήθηκαν</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled. You can now use Kavo shortcuts.</source>
        <translation>Οι συντομεύσεις πληκτρολογίου ενεργοποιήθηκαν. Μπορείτε πλέον να χρησιμοποιείτε τις συντομεύσεις του Kavo.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled</source>
        <translation>Οι συντομεύσεις πληκτρολογίου απενεργοποιήθηκαν</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled. Kavo shortcuts will not work</source>
        <translation>Οι συντομεύσεις πληκτρολογίου απενεργοποιήθηκαν. Οι συντομεύσεις του Kavo δεν θα λειτουργούν</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled</source>
        <translation>Οι συντομεύσεις έκτακτης ανάγκης ενεργοποιήθηκαν</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.</source>
        <translation>Οι συντομεύσεις έκτακτης ανάγκης ενεργοποιήθηκαν. Μπορείτε πλέον να χρησιμοποιείτε τις συντομεύσεις έκτακτης ανάγκης του Kavo.</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled</source>
        <translation>Οι συντομεύσεις έκτακτης ανάγκης απενεργοποιήθηκαν</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work</source>
        <translation>Οι συντομεύσεις έκτακτης ανάγκης απενεργοποιήθηκαν. Οι συντομεύσεις έκτακτης ανάγκης του Kavo δεν θα λειτουργούν</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled</source>
        <translation>Όλες οι συντομεύσεις και τα άγκιστρα ενεργοποιήθηκαν</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.</source>
        <translation>Όλες οι συντομεύσεις και τα άγκιστρα ενεργοποιήθηκαν. Μπορείτε πλέον να χρησιμοποιείτε τις συντομεύσεις συστήματος, του Kavo και έκτακτης ανάγκης.</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled</source>
        <translation>Όλες οι συντομεύσεις και τα άγκιστρα απενεργοποιήθηκαν</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work</source>
        <translation>Όλες οι συντομεύσεις και τα άγκιστρα απενεργοποιήθηκαν. Οι συντομεύσεις συστήματος, του Kavo και έκτακτης ανάγκης δεν θα λειτουργούν</translation>
    </message>
    <message>
        <source>Manual temperature enabled</source>
        <translation>Η χειροκίνητη θερμοκρασία ενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>You are now using Kavo Mixed mode</source>
        <translation>Χρησιμοποιείτε τώρα τη μικτή λειτουργία του Kavo</translation>
    </message>
    <message>
        <source>Manual temperature disabled</source>
        <translation>Η χειροκίνητη θερμοκρασία απενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>Kavo will use your selected mode for temperature again</source>
        <translation>Το Kavo θα χρησιμοποιεί ξανά την επιλεγμένη λειτουργία για τη θερμοκρασία</translation>
    </message>
    <message>
        <source>Manual brightness enabled</source>
        <translation>Η χειροκίνητη φωτεινότητα ενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>You are now using Kavo mini Mixed mode</source>
        <translation>Χρησιμοποιείτε τώρα τη μικτή λειτουργία του Kavo mini</translation>
    </message>
    <message>
        <source>Manual brightness disabled</source>
        <translation>Η χειροκίνητη φωτεινότητα απενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>Kavo mini will use your selected mode for brightness again</source>
        <translation>Το Kavo mini θα χρησιμοποιεί ξανά την επιλεγμένη λειτουργία για τη φωτεινότητα</translation>
    </message>
    <message>
        <source>Zero blue light</source>
        <translation>Καθόλου μπλε φως</translation>
    </message>
    <message>
        <source>All blue light is removed from the screen</source>
        <translation>Όλο το μπλε φως αφαιρέθηκε από την οθόνη</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Αντιστροφή</translation>
    </message>
    <message>
        <source>Colors are inverted</source>
        <translation>Τα χρώματα αντιστράφηκαν</translation>
    </message>
    <message>
        <source>Manual location enabled</source>
        <translation>Η χειροκίνητη τοποθεσία ενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>Kavo mini will use your manual location. Set latitude and longitude with the hidden features</source>
        <translation>Το Kavo mini θα χρησιμοποιεί τη χειροκίνητη τοποθεσία σας. Ορίστε γεωγραφικό πλάτος και μήκος με τις κρυφές λειτουργίες</translation>
    </message>
    <message>
        <source>Manual location disabled</source>
        <translation>Η χειροκίνητη τοποθεσία απενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Το Kavo mini θα χρησιμοποιεί αυτόματη τοποθεσία. Η τοποθεσία χρησιμεύει στον υπολογισμό της θέσης του ήλιου και της διάρκειας ημέρας και νύχτας</translation>
    </message>
    <message>
        <source>Latitude changed</source>
        <translation>Το γεωγραφικό πλάτος άλλαξε</translation>
    </message>
    <message>
        <source>Latitude changed to %1°</source>
        <translation>Το γεωγραφικό πλάτος άλλαξε σε %1°</translation>
    </message>
    <message>
        <source>Longitude changed</source>
        <translation>Το γεωγραφικό μήκος άλλαξε</translation>
    </message>
    <message>
        <source>Longitude changed to %1°</source>
        <translation>Το γεωγραφικό μήκος άλλαξε σε %1°</translation>
    </message>
    <message>
        <source>Manual night duration enabled</source>
        <translation>Η χειροκίνητη διάρκεια νύχτας ενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>Kavo mini will use manual night duration. Set start and end time with the hidden features</source>
        <translation>Το Kavo mini θα χρησιμοποιεί χειροκίνητη διάρκεια νύχτας. Ορίστε ώρα έναρξης και λήξης με τις κρυφές λειτουργίες</translation>
    </message>
    <message>
        <source>Manual night duration disabled</source>
        <translation>Η χειροκίνητη διάρκεια νύχτας απενεργοποιήθηκε</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Το Kavo mini θα χρησιμοποιεί αυτόματη διάρκεια νύχτας με βάση την τοποθεσία. Η τοποθεσία χρησιμεύει στον υπολογισμό της θέσης του ήλιου και της διάρκειας ημέρας και νύχτας</translation>
    </message>
    <message>
        <source>No File selected for Export</source>
        <translation>Δεν επιλέχθηκε αρχείο για εξαγωγή</translation>
    </message>
    <message>
        <source>Failed to write file for Export: %1</source>
        <translation>Αποτυχία εγγραφής του αρχείου εξαγωγής: %1</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>Οι ρυθμίσεις εξήχθησαν στο %1</translation>
    </message>
    <message>
        <source>No File selected for Import</source>
        <translation>Δεν επιλέχθηκε αρχείο για εισαγωγή</translation>
    </message>
    <message>
        <source>Failed to open file for Import</source>
        <translation>Αποτυχία ανοίγματος του αρχείου εισαγωγής</translation>
    </message>
    <message>
        <source>File too large for Import (over 1 MiB): %1</source>
        <translation>Το αρχείο είναι πολύ μεγάλο για εισαγωγή (πάνω από 1 MiB): %1</translation>
    </message>
    <message>
        <source>Settings too large for Import (over 1 MiB)</source>
        <translation>Οι ρυθμίσεις είναι πολύ μεγάλες για εισαγωγή (πάνω από 1 MiB)</translation>
    </message>
    <message>
        <source>Not a Kavo settings file: it does not start with the &quot;#Created by&quot; header</source>
        <translation>Δεν είναι αρχείο ρυθμίσεων του Kavo: δεν αρχίζει με την κεφαλίδα «#Created by»</translation>
    </message>
    <message>
        <source>No settings to import: the file holds no setting Kavo knows</source>
        <translation>Καμία ρύθμιση για εισαγωγή: το αρχείο δεν περιέχει καμία ρύθμιση που γνωρίζει το Kavo</translation>
    </message>
    <message>
        <source>Settings not writable: the import was not saved</source>
        <translation>Οι ρυθμίσεις δεν είναι εγγράψιμες: η εισαγωγή δεν αποθηκεύτηκε</translation>
    </message>
    <message>
        <source>%1 settings imported</source>
        <translation>Ρυθμίσεις που εισήχθησαν: %1</translation>
    </message>
    <message>
        <source>, %1 unknown keys ignored</source>
        <translation>, άγνωστα κλειδιά που αγνοήθηκαν: %1</translation>
    </message>
    <message>
        <source>, %1 invalid lines skipped</source>
        <translation>, μη έγκυρες γραμμές που παραλείφθηκαν: %1</translation>
    </message>
    <message>
        <source>%1 until work</source>
        <translation>%1 μέχρι την εργασία</translation>
    </message>
    <message>
        <source>%1 until rest</source>
        <translation>%1 μέχρι το διάλειμμα</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in %2 minutes.</source>
        <translation>Το %1 σας υπενθυμίζει ότι σε %2 λεπτά ακολουθεί μεγάλο διάλειμμα.</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in 30 seconds.</source>
        <translation>Το %1 σας υπενθυμίζει ότι σε 30 δευτερόλεπτα ακολουθεί μεγάλο διάλειμμα.</translation>
    </message>
    <message>
        <source>Big rest incoming</source>
        <translation>Έρχεται μεγάλο διάλειμμα</translation>
    </message>
    <message>
        <source>work</source>
        <translation>την εργασία</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>ώρ.</translation>
    </message>
    <message>
        <source>Back to work</source>
        <translation>Πίσω στην εργασία</translation>
    </message>
    <message>
        <source>Bend forward and let your arms hang loose.</source>
        <translation>Σκύψτε μπροστά και αφήστε τα χέρια σας να κρέμονται χαλαρά.</translation>
    </message>
    <message>
        <source>Blink often: screens make us forget to.</source>
        <translation>Ανοιγοκλείνετε συχνά τα μάτια: μπροστά στην οθόνη το ξεχνάμε.</translation>
    </message>
    <message>
        <source>Blink quickly for a few seconds, then close your eyes.</source>
        <translation>Ανοιγοκλείστε γρήγορα τα μάτια για λίγα δευτερόλεπτα και μετά κλείστε τα.</translation>
    </message>
    <message>
        <source>Break is coming in %1</source>
        <translation>Διάλειμμα σε %1</translation>
    </message>
    <message>
        <source>Bring your chin to your chest and lift it back slowly.</source>
        <translation>Φέρτε το πηγούνι στο στήθος και σηκώστε το ξανά αργά.</translation>
    </message>
    <message>
        <source>Close your eyes and breathe slowly.</source>
        <translation>Κλείστε τα μάτια και αναπνεύστε αργά.</translation>
    </message>
    <message>
        <source>Drink a glass of water.</source>
        <translation>Πιείτε ένα ποτήρι νερό.</translation>
    </message>
    <message>
        <source>Esc keeps the shortcut, Backspace removes it.</source>
        <translation>Το Esc κρατά τη συντόμευση, το Backspace την αφαιρεί.</translation>
    </message>
    <message>
        <source>Hide the camera picture</source>
        <translation>Απόκρυψη εικόνας κάμερας</translation>
    </message>
    <message>
        <source>Hold Ctrl, Alt or Meta with this key.</source>
        <translation>Κρατήστε πατημένο το Ctrl, το Alt ή το Meta μαζί με αυτό το πλήκτρο.</translation>
    </message>
    <message>
        <source>Kavo cannot use this key in a shortcut.</source>
        <translation>Το Kavo δεν μπορεί να χρησιμοποιήσει αυτό το πλήκτρο σε συντόμευση.</translation>
    </message>
    <message>
        <source>Look at something at least six metres away.</source>
        <translation>Κοιτάξτε κάτι που απέχει τουλάχιστον έξι μέτρα.</translation>
    </message>
    <message>
        <source>Look at something far away, out of a window if you can.</source>
        <translation>Κοιτάξτε κάτι μακρινό, έξω από ένα παράθυρο αν μπορείτε.</translation>
    </message>
    <message>
        <source>Look up, down, left and right, holding each for a breath.</source>
        <translation>Κοιτάξτε πάνω, κάτω, αριστερά και δεξιά, μένοντας σε καθεμία θέση για μία ανάσα.</translation>
    </message>
    <message>
        <source>Monitor %1</source>
        <translation>Οθόνη %1</translation>
    </message>
    <message>
        <source>Put your hands on your hips and lean back gently.</source>
        <translation>Βάλτε τα χέρια στη μέση και γείρετε απαλά προς τα πίσω.</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>Διάλειμμα</translation>
    </message>
    <message>
        <source>Roll your shoulders back a few times.</source>
        <translation>Κάντε μερικούς κύκλους με τους ώμους προς τα πίσω.</translation>
    </message>
    <message>
        <source>Roll your shoulders back five times.</source>
        <translation>Κάντε πέντε κύκλους με τους ώμους προς τα πίσω.</translation>
    </message>
    <message>
        <source>Show the camera picture</source>
        <translation>Εμφάνιση εικόνας κάμερας</translation>
    </message>
    <message>
        <source>Slowly roll your eyes in a circle, then the other way.</source>
        <translation>Γυρίστε αργά τα μάτια σας σε κύκλο και μετά αντίστροφα.</translation>
    </message>
    <message>
        <source>Stand up and reach both arms above your head.</source>
        <translation>Σηκωθείτε και τεντώστε και τα δύο χέρια πάνω από το κεφάλι.</translation>
    </message>
    <message>
        <source>Stand up and stretch your arms above your head.</source>
        <translation>Σηκωθείτε και τεντώστε τα χέρια σας πάνω από το κεφάλι.</translation>
    </message>
    <message>
        <source>Step %1 / %2</source>
        <translation>Βήμα %1 / %2</translation>
    </message>
    <message>
        <source>The camera is off</source>
        <translation>Η κάμερα είναι απενεργοποιημένη</translation>
    </message>
    <message>
        <source>Tilt your ear toward your shoulder on each side.</source>
        <translation>Γείρετε το αυτί προς τον ώμο, από τη μία και από την άλλη πλευρά.</translation>
    </message>
    <message>
        <source>Turn your head slowly to the left and hold, then to the right.</source>
        <translation>Γυρίστε αργά το κεφάλι αριστερά και κρατήστε, μετά δεξιά.</translation>
    </message>
    <message>
        <source>Twist your upper body slowly to each side.</source>
        <translation>Στρίψτε αργά τον κορμό προς κάθε πλευρά.</translation>
    </message>
    <message>
        <source>blink detection is off</source>
        <translation>η ανίχνευση ανοιγοκλεισίματος είναι ανενεργή</translation>
    </message>
    <message>
        <source>until work</source>
        <translation>μέχρι την εργασία</translation>
    </message>
    <message>
        <source>Kavo Settings File (*.kavo_settings *.kavo)</source>
        <translation>Αρχείο ρυθμίσεων Kavo (*.kavo_settings *.kavo)</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>Αποθήκευση αρχείου...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Άνοιγμα αρχείου...</translation>
    </message>
    <message>
        <source>This window cannot be shown: Kavo&apos;s web part is missing.</source>
        <translation>Αυτό το παράθυρο δεν μπορεί να εμφανιστεί: λείπει το τμήμα ιστού του Kavo.</translation>
    </message>
    <message>
        <source>Camera features are missing</source>
        <translation>Λείπουν οι λειτουργίες της κάμερας</translation>
    </message>
    <message>
        <source>Settings cannot be saved</source>
        <translation>Δεν είναι δυνατή η αποθήκευση των ρυθμίσεων</translation>
    </message>
    <message>
        <source>Wayland lets no program click for the user: the auto clicker is not available.</source>
        <translation>Το Wayland δεν αφήνει κανένα πρόγραμμα να κάνει κλικ για τον χρήστη: το αυτόματο κλικ δεν είναι διαθέσιμο.</translation>
    </message>
    <message>
        <source>Wayland lets no program draw the mouse cursor: the software cursor is not available.</source>
        <translation>Το Wayland δεν αφήνει κανένα πρόγραμμα να σχεδιάσει τον δείκτη του ποντικιού: ο δείκτης λογισμικού δεν είναι διαθέσιμος.</translation>
    </message>
    <message>
        <source>Wayland gives ordinary programs no picture of the screen: effects that work on a picture while you are idle are not available.</source>
        <translation>Το Wayland δεν δίνει στα συνηθισμένα προγράμματα εικόνα της οθόνης: τα εφέ που δουλεύουν πάνω σε μια εικόνα όσο είστε αδρανείς δεν είναι διαθέσιμα.</translation>
    </message>
    <message>
        <source>GNOME tells no program which window is in front (that needs a Shell extension): pausers and triggers cannot see programs.</source>
        <translation>Το GNOME δεν λέει σε κανένα πρόγραμμα ποιο παράθυρο είναι μπροστά (χρειάζεται επέκταση του Shell): οι παύσεις και οι ενεργοποιήσεις δεν βλέπουν προγράμματα.</translation>
    </message>
    <message>
        <source>This compositor tells no program which window is in front: pausers and triggers cannot see programs.</source>
        <translation>Αυτός ο συνθέτης δεν λέει σε κανένα πρόγραμμα ποιο παράθυρο είναι μπροστά: οι παύσεις και οι ενεργοποιήσεις δεν βλέπουν προγράμματα.</translation>
    </message>
    <message>
        <source>This desktop does not say when you are idle: inactivity does not stop the timer.</source>
        <translation>Αυτή η επιφάνεια εργασίας δεν λέει πότε είστε αδρανείς: η αδράνεια δεν σταματά το χρονόμετρο.</translation>
    </message>
    <message>
        <source>This desktop keeps keys to itself: bind each shortcut in the compositor&apos;s configuration, for example in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; or in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lists the actions).</source>
        <translation>Αυτή η επιφάνεια εργασίας κρατά τα πλήκτρα για τον εαυτό της: ορίστε κάθε συντόμευση στις ρυθμίσεις του συνθέτη, για παράδειγμα στο sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; ή στο Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (το kavoctl --help απαριθμεί τις ενέργειες).</translation>
    </message>
    <message>
        <source>This desktop lets no window lie over everything: the overlay&apos;s colour goes through the screen&apos;s colours, and the lightness spot is not shown.</source>
        <translation>Αυτή η επιφάνεια εργασίας δεν αφήνει κανένα παράθυρο να βρίσκεται πάνω από όλα: το χρώμα της επικάλυψης περνά μέσα από τα χρώματα της οθόνης και ο προβολέας δεν εμφανίζεται.</translation>
    </message>
    <message>
        <source>This desktop lets no program take the keyboard: strict breaks cannot keep other programs from keys.</source>
        <translation>Αυτή η επιφάνεια εργασίας δεν αφήνει κανένα πρόγραμμα να πάρει το πληκτρολόγιο: τα αυστηρά διαλείμματα δεν μπορούν να κρατήσουν τα πλήκτρα μακριά από άλλα προγράμματα.</translation>
    </message>
    <message>
        <source>This desktop has no tray (no StatusNotifierWatcher): start Kavo again to open its window.</source>
        <translation>Αυτή η επιφάνεια εργασίας δεν έχει περιοχή ειδοποιήσεων (κανένας StatusNotifierWatcher): ξεκινήστε ξανά το Kavo για να ανοίξει το παράθυρό του.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Προσαρμοσμένο</translation>
    </message>
    <message>
        <source>&amp;Health</source>
        <translation>&amp;Υγεία</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>Ύπ&amp;νος</translation>
    </message>
    <message>
        <source>&amp;Gaming</source>
        <translation>Πα&amp;ιχνίδια</translation>
    </message>
    <message>
        <source>&amp;Reading</source>
        <translation>&amp;Ανάγνωση</translation>
    </message>
    <message>
        <source>&amp;Programming</source>
        <translation>Προγρα&amp;μματισμός</translation>
    </message>
    <message>
        <source>&amp;Biohacker</source>
        <translation>&amp;Biohacker</translation>
    </message>
    <message>
        <source>&amp;Sunglasses</source>
        <translation>&amp;Γυαλιά ηλίου</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Σκοτάδι</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>&amp;Ταινία</translation>
    </message>
    <message>
        <source>&amp;Overlay</source>
        <translation>&amp;Επικάλυψη</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Παύση χρωμάτων</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Παύση χρονομέτρου</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Παύση δρομέα</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Λειτουργία</translation>
    </message>
    <message>
        <source>&amp;Change mode</source>
        <translation>&amp;Αλλαγή λειτουργίας</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>Αυ&amp;τόματη</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Χειροκίνητη</translation>
    </message>
    <message>
        <source>&amp;Paused</source>
        <translation>Σε &amp;παύση</translation>
    </message>
    <message>
        <source>Stop auto clicker</source>
        <translation>Διακοπή αυτόματου κλικ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
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
