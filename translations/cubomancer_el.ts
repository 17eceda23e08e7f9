<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Ρίξτε ένα ζάρι τέσσερις φορές και λάβετε έναν χρησμό</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Το Cubomancer είναι ένα μικρό μαντικό παιχνίδι. Σκεφτείτε ένα πρόβλημα, ρίξτε ένα ζάρι τέσσερις φορές με το πάτημα ενός κουμπιού και λάβετε έναν από δεκαέξι σύντομους χρησμούς: οι μονές και οι ζυγές ζαριές σχηματίζουν ένα μοτίβο που επιλέγει τον χρησμό.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Τα μενού και οι σύνδεσμοί του ανοίγουν ιστοσελίδες του δημιουργού του (ηλεκτρονική βοήθεια, ενημερώσεις, δωρεές) στο προεπιλεγμένο πρόγραμμα περιήγησής σας. Το ίδιο το πρόγραμμα δεν επικοινωνεί ποτέ με το δίκτυο. Όταν το κλείνετε, μια οθόνη αποχαιρετισμού προσφέρει μια φόρμα για να προτείνετε το πρόγραμμα σε έναν φίλο: ανοίγει μια σελίδα του ιστότοπου του δημιουργού, της οποίας η διεύθυνση περιέχει το όνομα και τη διεύθυνση email σας, καθώς και εκείνα του φίλου σας. Μία φορά κάθε δύο εβδομάδες, το πρόγραμμα ρωτά αν θέλετε να αναζητήσει ενημέρωση. Το μόνο που διατηρεί από τη μία εκτέλεση στην άλλη είναι η ημερομηνία αυτής της ερώτησης.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Το κύριο παράθυρο, έτοιμο για τις τέσσερις ζαριές</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Το παράθυρο «Σχετικά»</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Η οθόνη αποχαιρετισμού που εμφανίζεται όταν κλείνει το κύριο παράθυρο</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Μαντείο με ζάρια</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Ρίξτε ένα ζάρι τέσσερις φορές και λάβετε έναν χρησμό για το πρόβλημά σας</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>ζάρι;ζάρια;ζαριά;μαντείο;μαντεία;χρησμός;πρόβλεψη;τύχη;dice;oracle;</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>Ό&amp;χι</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Σας πλημμυρίζει θηλυκή ενέργεια. Έχετε την τάση να φροντίζετε τους άλλους. Είναι η κατάλληλη στιγμή να έρθετε σε επαφή με τον εσωτερικό σας εαυτό.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Σας πλημμυρίζει αρσενική ενέργεια. Έχετε μεγάλη δύναμη και ακατάσχετη επιθυμία να πετύχετε τους στόχους σας. Είναι η κατάλληλη στιγμή να κάνετε τα όνειρά σας πράξη.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Έχετε πολύ καθαρή εικόνα για το σχέδιό σας. Βάλτε το σε εφαρμογή και η επιτυχία είναι σίγουρη.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Ίσως κάποιο ζήτημα σας εμποδίζει να προχωρήσετε. Σκεφτείτε το και βρείτε την ισορροπία για να πετύχετε.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Ήρθε η ώρα να ενώσετε όλες σας τις δυνάμεις. Κάντε υπομονή και ο κόπος σας θα αποδώσει καρπούς.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Αναπτύξτε τη διαίσθησή σας μαζί με την πρακτική πλευρά του μυαλού σας.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Η διαίσθησή σας είναι πολύ ισχυρή. Ωστόσο, δεν είναι όλες οι αποφάσεις σας πρακτικές. Σκεφτείτε το δύο φορές πριν πάρετε σημαντικές αποφάσεις.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Αυτή τη στιγμή βρίσκεστε σε καλή ισορροπία. Σκεφτείτε όλα τα οφέλη πριν προχωρήσετε με όσα έχετε να κάνετε.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Σκεφτείτε όλες τις δυνάμεις που σας κυριαρχούν. Δείτε πώς σας έχουν βοηθήσει αυτές οι δυνάμεις και αποφασίστε ανάλογα.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Βλέπετε το όραμά σας να πλησιάζει στην εκπλήρωσή του. Όμως δεν είναι όλα εντάξει. Χρειάζεται να βρείτε καλύτερη ισορροπία.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Έχετε γερές βάσεις, αλλά πρέπει να διευρύνετε τις ιδέες και τις απόψεις σας.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Αναπτύξτε τις διαισθητικές σας δυνάμεις. Διώξτε όλους τους φόβους και τις αναστολές σας. Όσο προχωράτε, θα έχετε όλη τη βοήθεια που χρειάζεστε.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Προσπαθήστε να βρείτε τον σωστό συνδυασμό νου και πνεύματος για να ολοκληρώσετε το έργο σας.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Το σχέδιό σας μπορεί να καταρρεύσει αν δεν προσέξετε αρκετά.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Έχετε γερά θεμέλια και ανοιχτό μυαλό. Πετάξτε από πάνω σας όλους τους φόβους και κυνηγήστε τα άστρα.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Έχετε θαφτεί κάτω από έγνοιες και εντάσεις. Έχετε χάσει τον στόχο σας από τα μάτια σας. Αφήστε πίσω σας αυτές τις έγνοιες για να διαπρέψετε στη ζωή.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Το όνομά σας</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Η διεύθυνση email σας</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Όνομα φίλου</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Διεύθυνση email φίλου</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Το μήνυμά σας</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>Ζαριές: %n</numerusform>
            <numerusform>Ζαριές: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>Ζαριές: %n</numerusform>
            <numerusform>Ζαριές: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Ρίξτε το ζάρι</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Αποτέλεσμα</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Ρίξτε το ζάρι</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Το Cubomancer εκτελείται. Κλείστε το και, στη συνέχεια, επιλέξτε «Επανάληψη».</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Ίσως υπάρχει διαθέσιμη ενημέρωση για αυτό το πρόγραμμα.
Θέλετε να γίνει έλεγχος για ενημερώσεις;</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Το Cubomancer είναι ένα απλό μαντικό εργαλείο που σας βοηθά να βρίσκετε λύσεις στα καθημερινά σας προβλήματα.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Δουλειά από το σπίτι: ξεκινήστε επιχείρηση στο Internet και κερδίστε χρήματα. Το λογισμικό με την επωνυμία σας.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Μάθετε περισσότερα</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Επισκεφθείτε το %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Επισκεφθείτε τώρα το Omenhall</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Προτείνετε σε φίλο</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Προτείνετέ το τώρα</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Λήψη Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Επισκεφθείτε το Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Τα προγράμματα Augury Softwares, όπως αυτό, υπάρχουν χάρη στη στήριξή σας. Ο καλύτερος τρόπος να στηρίξετε το Omenhall είναι να το επισκέπτεστε τακτικά και να παίρνετε μέρος στις συζητήσεις και στις δραστηριότητές του.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Επισκέπτεστε τακτικά το Omenhall. Στηρίξτε το παίρνοντας μέρος στις συζητήσεις και στις άλλες δραστηριότητες. Χωρίς τις τακτικές σας επισκέψεις στο Omenhall, αυτά τα προγράμματα δεν μπορούν να συντηρηθούν.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Το Omenhall είναι ένα ΔΩΡΕΑΝ διαδικτυακό φόρουμ συζητήσεων για καθετί μυστικιστικό. Για να βοηθήσετε το Omenhall να αναπτύσσει και να συντηρεί αυτό το πρόγραμμα, επισκέπτεστε τακτικά το Omenhall.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Το Omenhall χρειάζεται τη βοήθειά σας. Αρκεί να το επισκέπτεστε τακτικά και να συμμετέχετε στις συζητήσεις και στις δραστηριότητες, για να συντηρούμε και να αναπτύσσουμε περισσότερα προγράμματα Augury Softwares.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Αν σας άρεσε αυτό το πρόγραμμα, σίγουρα θα σας ενδιαφέρουν και τα άλλα προγράμματα Augury Softwares. Ξεκινώντας από ένα μόνο πρόγραμμα, γίναμε η μεγαλύτερη πηγή μαντικών προγραμμάτων στον κόσμο. Αστρολογία, μέντιουμ, ταρό, αριθμολογία ή αποκρυφισμός: έχουμε προγράμματα για κάθε τομέα, ώστε να επιλέγετε ανάλογα με τα ενδιαφέροντά σας.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Όλα τα προγράμματα Augury Softwares είναι απλά και εύχρηστα. Είναι διασκεδαστικά και ταυτόχρονα πολύ κατατοπιστικά. Δοκιμάστε τα σήμερα και μοιραστείτε την εμπειρία σας με φίλους και οικογένεια. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Η διεύθυνση email δεν μπορεί να περιέχει κενά.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Το πιο δημοφιλές διαδικτυακό φόρουμ μυστικισμού. Η καλύτερη πηγή για καθετί μυστικιστικό. Επισκεφθείτε τώρα το Omenhall</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Ρίξτε το ζάρι</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Σκεφτείτε το πρόβλημά σας και διαλογιστείτε. Ανοίξτε τα μάτια και πατήστε «Ρίξτε το ζάρι».</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Χρησμός Cubomancer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Πίσω</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Προσφορές</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Δουλειά από το σπίτι: ξεκινήστε τη δική σας επιχείρηση στο Internet και κερδίστε χρήματα online. Αυτό το λογισμικό με την επωνυμία του ιστότοπού σας. Κάντε κλικ εδώ για λεπτομέρειες.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Βάλτε την επωνυμία σας σε αυτό το λογισμικό. Αυξήστε την αφοσίωση και την επισκεψιμότητα. Το όνομα &amp;&amp; ο σύνδεσμός σας εδώ. Δείτε τη «Βοήθεια». Περισσότερα για το co-branding.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Ηλεκτρονική βοήθεια</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Επίσκεψη στον &amp;ιστότοπό μας</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Έλεγχος για &amp;ενημερώσεις</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Σχετικά με το πρόγραμμα</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Δωρεά</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Κερδίστε χρήματα online</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Ζάρι, δεν έχει ριχτεί ακόμη</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>Το ζάρι δείχνει %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Η εφαρμογή εκτελείται ήδη.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Εισαγάγετε δύο διαφορετικές διευθύνσεις email.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Εισαγάγετε μια έγκυρη διεύθυνση email.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Εισαγάγετε το όνομά σας.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Εισαγάγετε τη διεύθυνση email σας.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Εισαγάγετε το μήνυμά σας.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Εισαγάγετε το όνομα του φίλου σας.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Εισαγάγετε τη διεύθυνση email του φίλου σας.</translation>
    </message>
</context>
</TS>
