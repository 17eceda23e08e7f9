<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Gooi vier keer een dobbelsteen en ontvang een voorspelling</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer is een klein waarzegspelletje. Denk aan een probleem, gooi vier keer een dobbelsteen, elke keer met een klik op de knop, en ontvang een van zestien korte voorspellingen: de even en oneven worpen vormen een patroon dat de voorspelling bepaalt.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>De menu’s en koppelingen openen de webpagina’s van de maker (online hulp, updates, donaties) in je standaardbrowser; het programma zelf maakt nooit verbinding met het netwerk. Als je het sluit, biedt een afscheidsscherm een formulier om het programma aan een vriend aan te bevelen: dat opent een pagina op de website van de maker met jouw naam en e-mailadres en die van je vriend in het adres. Eens per twee weken vraagt het programma of het naar een update moet zoeken. Het enige wat het tussen twee keer starten bewaart, is de datum van die vraag.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Het hoofdvenster, klaar voor de vier worpen</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Het venster Over</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Het afscheidsscherm dat verschijnt als het hoofdvenster sluit</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Dobbelsteenorakel</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Gooi vier keer een dobbelsteen en ontvang een voorspelling voor je probleem</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>dobbelsteen;dobbelstenen;dobbelen;orakel;waarzeggen;voorspelling;toekomst;dice;oracle;</translation>
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
        <translation>&amp;Nee</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Je zit vol vrouwelijke energie. Je hebt de neiging om voor anderen te zorgen. Dit is het juiste moment om contact te maken met je innerlijke zelf.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Je zit vol mannelijke energie. Je bruist van kracht en wilt je doelen per se bereiken. Dit is het juiste moment om je dromen in daden om te zetten.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Je hebt een heel helder beeld van je project. Voer het uit en het succes is je zeker.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Misschien is er iets wat je tegenhoudt. Denk erover na en zoek het juiste evenwicht om te slagen.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Dit is het moment om al je krachten te bundelen. Heb geduld en je werk zal vruchten afwerpen.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Ontwikkel je intuïtie en tegelijk je praktische kant.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Je intuïtie is heel sterk, maar niet al je beslissingen zijn even realistisch. Denk goed na voordat je belangrijke beslissingen neemt.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Je bent op dit moment goed in balans. Weeg alle voordelen af voordat je begint aan de taken die voor je liggen.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Denk aan alle krachten die vat op je hebben. Kijk hoe die krachten je hebben geholpen en neem dan je beslissingen.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Je ziet je droom al bijna uitkomen. Maar nog niet alles zit goed. Je zult beter in balans moeten komen.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Je hebt een stevige basis, maar je zult je ideeën en je blik moeten verruimen.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Ontwikkel je intuïtieve vermogens. Laat al je angsten en remmingen los. Onderweg krijg je alle hulp die je nodig hebt.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Zoek de juiste balans tussen verstand en geest om je werk te voltooien.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Je plan kan mislukken als je niet goed oppast.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Je hebt een stevig fundament en een open geest. Gooi al je angsten overboord en reik naar de sterren.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Je hebt jezelf begraven onder zorgen en spanningen. Je bent je doel uit het oog verloren. Laat die zorgen los en haal het beste uit je leven.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Je naam</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Je e-mailadres</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Naam van je vriend</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mailadres van je vriend</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Je bericht</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>Worpen: %n</numerusform>
            <numerusform>Worpen: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>Worpen: %n</numerusform>
            <numerusform>Worpen: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Gooien</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Uitslag tonen</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Gooien</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer is nog actief. Sluit het programma en kies dan Opnieuw.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Er is misschien een update voor dit programma beschikbaar.
Wil je naar een update zoeken?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer is een eenvoudig waarzegprogramma dat je helpt oplossingen te vinden voor je dagelijkse problemen.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Ondernemen vanuit huis. Start je eigen internetbedrijf en verdien online geld. Dit programma volledig in de huisstijl van je website.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Meer informatie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Klik hier om %1 te bezoeken</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Klik hier en bezoek Omenhall</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Aanbevelen aan een vriend</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Nu aanbevelen</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Augury Softwares downloaden</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Klik hier voor Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Programma’s van Augury Softwares zoals dit kunnen alleen met jouw steun worden gemaakt en onderhouden. Je steunt Omenhall het best door het forum regelmatig te bezoeken en mee te doen aan de discussies en andere activiteiten.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Bezoek Omenhall regelmatig. Steun Omenhall door mee te doen aan de discussies en andere activiteiten. Zonder jouw regelmatige bezoeken aan Omenhall kunnen deze programma’s niet worden onderhouden.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall is een gratis onlineforum over alles wat mystiek is. Help Omenhall dit programma te onderhouden en verder te ontwikkelen: bezoek Omenhall regelmatig.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall heeft je hulp nodig. Bezoek Omenhall gewoon regelmatig en doe mee aan de discussies en activiteiten. Zo help je ons de programma’s van Augury Softwares te onderhouden en nieuwe te maken.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Vond je dit programma leuk? Dan ben je vast ook benieuwd naar onze andere programma’s van Augury Softwares. Wat begon met één programma, is uitgegroeid tot ’s werelds grootste verzameling waarzegprogramma’s. Astrologie, helderziendheid, tarot, numerologie of het occulte: we hebben programma’s op elk gebied, voor ieders interesse.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Alle programma’s van Augury Softwares zijn eenvoudig en makkelijk te gebruiken. Ze zijn niet alleen leuk, maar ook heel leerzaam. Probeer ze vandaag nog en deel je ervaringen met vrienden en familie. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Een e-mailadres mag geen spaties bevatten.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Het populairste onlineforum over mystiek. De beste bron voor alles wat mystiek is. Bezoek Omenhall nu</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Dobbelsteen gooien</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Denk aan je probleem en mediteer. Open dan je ogen en gooi de dobbelsteen.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Jouw Cubomancer-uitslag</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Aanbiedingen</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Ondernemen vanuit huis. Start je eigen internetbedrijf en verdien online geld. Dit programma volledig in de huisstijl van je website. Klik hier voor meer informatie.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Co-branding van dit programma voor je site: meer trouwe bezoekers en meer verkeer. Hier komen de naam &amp;&amp; link van je site. Zie ‘Hulp’ voor details. Klik hier voor meer informatie over co-branding.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hulp</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online hulp</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website bezoeken</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Zoeken naar &amp;updates</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Over dit &amp;programma</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doneren</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Online geld verdienen</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Dobbelsteen, nog niet gegooid</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>De dobbelsteen toont %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Het programma is al gestart.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Voer twee verschillende e-mailadressen in.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Voer een geldig e-mailadres in.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Voer je naam in.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Voer je e-mailadres in.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Voer je bericht in.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Voer de naam van je vriend in.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Voer het e-mailadres van je vriend in.</translation>
    </message>
</context>
</TS>
