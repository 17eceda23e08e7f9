<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Kast en terning fire gange, og få en spådom</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer er et lille spådomslegetøj. Tænk på et problem, kast én terning fire gange med et klik, og få en af seksten korte spådomme: De lige og ulige kast danner et mønster, der udvælger spådommen.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Menuerne og linkene åbner udviklerens websider (onlinehjælp, opdateringer, donationer) i din standardbrowser; selve programmet kommunikerer aldrig med netværket. Når du lukker det, viser en afskedsskærm en formular, hvor du kan anbefale programmet til en ven: Den åbner en side på udviklerens websted, hvis adresse indeholder dit navn og din e-mailadresse samt din vens. Hver fjortende dag spørger programmet, om det skal søge efter en opdatering. Det eneste, programmet gemmer mellem kørslerne, er datoen for det spørgsmål.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Hovedvinduet, klar til de fire kast</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Om-dialogen</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Afskedsskærmen, der vises, når hovedvinduet lukkes</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Terningorakel</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Kast en terning fire gange, og få en spådom om dit problem</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>terning;terninger;orakel;spådom;spå;fremtid;dice;oracle;</translation>
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
        <translation>&amp;Nej</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Du er fuld af feminin energi. Du har let ved at tage dig af andre. Nu er det rette tidspunkt til at komme i kontakt med dit indre selv.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Du er fuld af maskulin energi. Du strutter af kraft og har en stærk trang til at nå dine mål. Nu er det rette tidspunkt til at omsætte dine drømme til handling.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Du har et rigtig godt billede af dit projekt. Sæt det i værk, så er succesen sikret.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Måske er der noget, der holder dig tilbage. Tænk over det, og find den rette balance, så lykkes det.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Nu er det tid til at samle alle dine kræfter. Vær tålmodig, så vil dit arbejde bære frugt.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Udvikl din intuition sammen med din praktiske sans.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Din intuition er meget stærk, men ikke alle dine beslutninger er nødvendigvis realistiske. Tænk dig godt om, før du træffer vigtige beslutninger.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Du er i god balance lige nu. Overvej alle fordelene, før du går i gang med de opgaver, der venter.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Tænk på alle de kræfter, der har magt over dig. Se, hvordan de har hjulpet dig, og træf så dine beslutninger ud fra det.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Du kan se din vision tæt på at blive til virkelighed. Men ikke alt er, som det skal være. Du må finde en bedre balance.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Du har et solidt grundlag, men du bliver nødt til at udvide din horisont og dine synspunkter.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Udvikl dine intuitive evner. Slip al din frygt og alle dine hæmninger. Undervejs får du al den hjælp, du har brug for.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Prøv at finde den rette balance mellem forstand og ånd for at fuldføre dit arbejde.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Din plan kan smuldre, hvis du ikke passer godt på.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Du har et solidt fundament og et åbent sind. Smid al din frygt over bord, og ræk ud efter stjernerne.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Du har begravet dig selv i bekymringer og spændinger. Du har mistet dit mål af syne. Slip bekymringerne, så du kan blomstre i livet.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Dit navn</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Din e-mailadresse</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Din vens navn</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Din vens e-mailadresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Din besked</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>Kast: %n</numerusform>
            <numerusform>Kast: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>Kast: %n</numerusform>
            <numerusform>Kast: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Kast terningen</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Vis resultatet</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Kast terningen</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer kører. Luk programmet, og vælg derefter Prøv igen.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Der er måske en opdatering til dette program.
Vil du søge efter en opdatering?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer er et enkelt spådomsværktøj, der hjælper dig med at finde løsninger på dine hverdagsproblemer.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Forretningsmulighed hjemmefra. Start din egen internetvirksomhed, og tjen penge online. Få dette program med dit eget brand til dit websted.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Læs mere her</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Klik her for at besøge %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Klik her, og besøg Omenhall nu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Anbefal til en ven</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Anbefal &amp;nu</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Downloads fra Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Besøg Augury Softwares her</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Programmer fra Augury Softwares som dette kan kun udvikles og vedligeholdes med din støtte. Den bedste måde at støtte Omenhall på er at besøge Omenhall jævnligt og deltage i diskussionerne og de andre aktiviteter på forummet.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Besøg Omenhall jævnligt. Støt Omenhall ved at deltage i diskussionerne og de andre aktiviteter. Uden dine jævnlige besøg på Omenhall kan disse programmer ikke vedligeholdes.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall er et gratis onlineforum for alt inden for mystik. Hjælp Omenhall med at udvikle og vedligeholde dette program ved at besøge Omenhall jævnligt.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall har brug for din hjælp. Du skal bare besøge Omenhall jævnligt og deltage i de forskellige diskussioner og aktiviteter. Så hjælper du os med at vedligeholde programmerne fra Augury Softwares og udvikle nye.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Hvis du har haft glæde af dette program, er du sikkert også interesseret i vores andre programmer fra Augury Softwares. Fra ét enkelt program er vi vokset til verdens største samling af spådomsprogrammer. Astrologi, clairvoyance, tarot, numerologi eller okkultisme: Vi har programmer inden for alle områder, så der er noget for enhver smag.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Alle programmerne fra Augury Softwares er enkle og nemme at bruge. De er ikke bare sjove, men også meget lærerige. Prøv dem i dag, og del dine oplevelser med venner og familie. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>En e-mailadresse må ikke indeholde mellemrum.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Det mest populære onlineforum om mystik. Den bedste kilde til alt mystisk. Besøg Omenhall nu</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Kast terningen</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Tænk på dit problem, og mediter. Åbn så øjnene, og kast terningen.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Dit Cubomancer-resultat</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Tilbage</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Tilbud</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Forretningsmulighed hjemmefra. Start din egen internetvirksomhed, og tjen penge online. Få dette program med dit eget brand til dit websted. Klik her for at læse mere.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Co-brand dette program til dit websted, og få flere trofaste besøgende og mere trafik. Dit websteds navn &amp;&amp; link står så her. Se »Hjælp« for detaljer. Klik her for at læse mere om co-branding.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Filer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Onlinehjælp</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Besøg vores websted</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Søg efter opdateringer</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Om &amp;programmet</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donér</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Tjen penge &amp;online</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Terning, ikke kastet endnu</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>Terningen viser %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Programmet kører allerede.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Indtast to forskellige e-mailadresser.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Indtast en gyldig e-mailadresse.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Indtast dit navn.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Indtast din e-mailadresse.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Indtast din besked.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Indtast din vens navn.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Indtast din vens e-mailadresse.</translation>
    </message>
</context>
</TS>
