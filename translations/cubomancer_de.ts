<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Viermal würfeln und eine Deutung erhalten</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer ist ein kleines Wahrsagespiel. Denken Sie an ein Problem, würfeln Sie per Knopfdruck viermal mit einem Würfel und erhalten Sie eine von sechzehn kurzen Deutungen: Gerade und ungerade Würfe ergeben ein Muster, das die Deutung bestimmt.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Seine Menüs und Links öffnen die Webseiten des Herstellers (Online-Hilfe, Updates, Spenden) in Ihrem Standardbrowser; das Programm selbst greift nie auf das Netzwerk zu. Wenn Sie es schließen, bietet ein Abschiedsbildschirm ein Formular, mit dem Sie das Programm einem Freund empfehlen können: Es öffnet eine Seite auf der Website des Herstellers, deren Adresse Ihren Namen und Ihre E-Mail-Adresse sowie die Ihres Freundes enthält. Alle zwei Wochen fragt das Programm, ob es nach einem Update suchen soll. Zwischen zwei Programmstarts speichert es nur das Datum dieser Frage.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Das Hauptfenster, bereit für die vier Würfe</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Der Info-Dialog</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Der Abschiedsbildschirm, der beim Schließen des Hauptfensters erscheint</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Würfelorakel</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Viermal würfeln und eine Deutung für Ihr Problem erhalten</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>Würfel;würfeln;Orakel;Wahrsagen;Weissagung;Deutung;Zukunft;dice;oracle;</translation>
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
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Sie sind voller weiblicher Energie. Sie neigen dazu, sich um andere zu kümmern. Jetzt ist die richtige Zeit, mit Ihrem inneren Selbst in Verbindung zu treten.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Sie sind voller männlicher Energie. Sie strotzen vor Kraft und wollen Ihre Ziele unbedingt erreichen. Jetzt ist die richtige Zeit, Ihre Träume in die Tat umzusetzen.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Sie haben eine sehr klare Vorstellung von Ihrem Vorhaben. Setzen Sie es um, und der Erfolg ist Ihnen sicher.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Vielleicht hindert Sie etwas daran voranzukommen. Denken Sie darüber nach und schaffen Sie einen Ausgleich, dann stellt sich der Erfolg ein.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Jetzt ist die Zeit, all Ihre Kräfte zu bündeln. Haben Sie Geduld, und Ihre Arbeit wird Früchte tragen.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Entwickeln Sie Ihre Intuition und zugleich Ihren Sinn fürs Praktische.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Ihre Intuition ist sehr stark. Doch vielleicht ist nicht jede Ihrer Entscheidungen realistisch. Überlegen Sie gut, bevor Sie Wichtiges entscheiden.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Im Moment sind Sie im Gleichgewicht. Wägen Sie alle Vorteile ab, bevor Sie die anstehenden Aufgaben angehen.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Denken Sie an all die Kräfte, die Macht über Sie haben. Sehen Sie, wie diese Kräfte Ihnen geholfen haben, und treffen Sie dann Ihre Entscheidungen entsprechend.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Sie sehen Ihr Ziel in greifbarer Nähe. Doch noch ist nicht alles im Lot. Sie müssen mehr ins Gleichgewicht kommen.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Sie haben eine solide Grundlage, aber Sie müssen Ihren Horizont und Ihre Ansichten erweitern.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Entwickeln Sie Ihre intuitiven Kräfte. Legen Sie alle Ängste und Hemmungen ab. Auf Ihrem weiteren Weg werden Sie alle Hilfe bekommen, die Sie brauchen.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Versuchen Sie, Verstand und Seele in Einklang zu bringen, um Ihre Arbeit zu vollenden.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Ihr Plan könnte scheitern, wenn Sie nicht gut aufpassen.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Sie haben ein festes Fundament und einen offenen Geist. Werfen Sie all Ihre Ängste über Bord und greifen Sie nach den Sternen.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Sie haben sich in Sorgen und Anspannung vergraben und Ihr Ziel aus den Augen verloren. Lassen Sie diese Sorgen hinter sich, um im Leben aufzublühen.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name Ihres Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse Ihres Freundes</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Würfeln</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Zum Ergebnis</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Würfeln</translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>Würfe: %n</numerusform>
            <numerusform>Würfe: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>Würfe: %n</numerusform>
            <numerusform>Würfe: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer wird gerade ausgeführt. Schließen Sie das Programm und wählen Sie dann „Wiederholen“.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Möglicherweise gibt es eine neue Version dieses Programms.
Möchten Sie nach einem Update suchen?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer ist ein einfaches Orakel, das Ihnen hilft, Lösungen für Ihre alltäglichen Probleme zu finden.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Diese Software unter Ihrem Namen.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Hier erfahren Sie mehr</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Klicken Sie hier, um %1 zu besuchen</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Hier klicken und Omenhall besuchen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Jetzt weiterempfehlen</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Augury Softwares herunterladen</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Hier geht’s zu Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Programme von Augury Softwares wie dieses entstehen und bestehen nur mit Ihrer Unterstützung. Am besten unterstützen Sie Omenhall, indem Sie das Forum regelmäßig besuchen und bei den Diskussionen und anderen Aktivitäten mitmachen.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Besuchen Sie Omenhall regelmäßig. Unterstützen Sie Omenhall, indem Sie sich an den Diskussionen und anderen Aktivitäten beteiligen. Ohne Ihre regelmäßigen Besuche bei Omenhall können diese Programme nicht gepflegt werden.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall ist ein kostenloses Online-Forum für alles Mystische. Besuchen Sie Omenhall regelmäßig und helfen Sie so, dieses Programm zu pflegen und weiterzuentwickeln.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall braucht Ihre Hilfe. Besuchen Sie Omenhall einfach regelmäßig und beteiligen Sie sich an den Diskussionen und Aktivitäten. So helfen Sie uns, die Programme von Augury Softwares zu pflegen und weitere zu entwickeln.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Wenn Ihnen dieses Programm gefallen hat, interessieren Sie sich sicher auch für unsere anderen Programme von Augury Softwares. Angefangen mit einem einzigen Programm, bieten wir heute die weltweit größte Auswahl an Orakelprogrammen. Ob Astrologie, Hellsehen, Tarot, Numerologie oder Okkultes: Wir haben Programme für alle Bereiche und für jedes Interesse.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Alle Programme von Augury Softwares sind einfach zu bedienen. Sie machen Spaß und sind zugleich lehrreich. Probieren Sie sie noch heute aus und erzählen Sie Freunden und Familie davon. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Eine E-Mail-Adresse darf keine Leerzeichen enthalten.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Das beliebteste Online-Forum für Mystik. Die beste Quelle für alles Mystische. Besuchen Sie jetzt Omenhall</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Denken Sie an Ihr Problem und meditieren Sie. Öffnen Sie dann die Augen und würfeln Sie.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Ihr Cubomancer-Ergebnis</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Angebote</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Diese Software unter Ihrem Namen. Hier erfahren Sie mehr.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Co-Branding dieser Software für Ihre Website: mehr Stammbesucher und mehr Traffic. Name &amp;&amp; Link Ihrer Website stehen dann hier. Details unter „Hilfe“. Hier erfahren Sie mehr zum Co-Branding.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber das Programm</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Online &amp;Geld verdienen</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Würfel, noch nicht geworfen</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>Der Würfel zeigt %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres Freundes ein.</translation>
    </message>
</context>
</TS>
