<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Čtyřikrát hoďte kostkou a získejte věštbu</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer je malá věštecká hračka. Myslete na svůj problém, tlačítkem čtyřikrát hoďte kostkou a získejte jednu ze šestnácti krátkých věšteb: sudé a liché hody vytvoří vzor, podle kterého se věštba vybere.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Nabídky a odkazy programu otevírají webové stránky jeho tvůrce (nápovědu online, aktualizace, dary) ve výchozím prohlížeči; program sám se k síti nikdy nepřipojuje. Když program zavřete, rozlučková obrazovka nabídne formulář, kterým ho můžete doporučit příteli: formulář otevře stránku webu tvůrce, jejíž adresa obsahuje vaše jméno a e-mailovou adresu i jméno a adresu vašeho přítele. Jednou za čtrnáct dní se program zeptá, zda má vyhledat aktualizaci. Mezi spuštěními si uchovává jen datum této otázky.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Hlavní okno připravené na čtyři hody</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Okno „O programu“</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Rozlučková obrazovka, která se zobrazí po zavření hlavního okna</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Věštění z kostky</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Čtyřikrát hoďte kostkou a získejte věštbu ke svému problému</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>kostka;kostky;věštba;věštění;orákulum;osud;dice;oracle;divination;</translation>
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
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Máte v sobě hodně ženské energie. Máte sklon pečovat o druhé. Nyní je ten pravý čas spojit se se svým vnitřním já.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Máte v sobě hodně mužské energie. Máte mnoho síly a neodbytnou touhu dosáhnout svých cílů. Nyní je ten pravý čas proměnit své sny v činy.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Vaše představa o záměru je velmi dobrá. Uskutečněte ji a úspěch vás nemine.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Možná vám něco brání v cestě vpřed. Zamyslete se nad tím a najděte rovnováhu, pak přijde úspěch.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Nyní je čas spojit veškeré úsilí. Mějte trpělivost a vaše práce ponese ovoce.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Rozvíjejte svou intuici spolu s praktickou stránkou své mysli.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Vaše intuice je velmi silná, ale ne každé vaše rozhodnutí je praktické. Před důležitým rozhodnutím dvakrát měřte.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Momentálně jste v rovnováze. Než se pustíte do úkolů, které vás čekají, zvažte všechny výhody.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Myslete na všechny síly, které vás ovládají. Podívejte se, jak vám tyto síly pomohly, a podle toho se rozhodujte.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Vaše vize je už na dosah. Ale ne všechno je v pořádku. Potřebujete najít lepší rovnováhu.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Máte pevný základ, ale budete muset rozšířit své obzory a názory.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Rozvíjejte své intuitivní schopnosti. Zbavte se všech obav a zábran. Na další cestě dostanete veškerou pomoc, kterou potřebujete.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Snažte se správně skloubit rozum a ducha – tak svou práci dotáhnete do konce.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Bez velké opatrnosti se váš plán může zhroutit.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Máte pevné základy a otevřenou mysl. Odhoďte všechny obavy a sáhněte po hvězdách.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Zavalily vás starosti a napětí. Cíl se vám ztratil z očí. Vymaňte se z těchto starostí a v životě se vám bude dařit.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Vaše jméno</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Vaše e-mailová adresa</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Jméno přítele</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mailová adresa přítele</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Vaše zpráva</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>%n hod</numerusform>
            <numerusform>%n hody</numerusform>
            <numerusform>%n hodů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>%n hod</numerusform>
            <numerusform>%n hody</numerusform>
            <numerusform>%n hodů</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Hodit kostkou</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Zobrazit věštbu</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Hodit kostkou</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Program Cubomancer je spuštěn. Zavřete jej a zvolte „Opakovat“.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Možná je k dispozici nová verze tohoto programu.
Chcete vyhledat aktualizace?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer je jednoduchý věštecký nástroj, který vám pomůže najít řešení každodenních problémů.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Podnikání z domova. Založte si vlastní internetový byznys a vydělávejte online. Tento program plně pod značkou vašeho webu.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Další podrobnosti zde</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Navštivte %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Navštivte Omenhall ještě dnes</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Doporučte příteli</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Doporučit</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Programy Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Navštivte web Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Programy Augury Softwares, jako je tento, mohou vznikat a být udržovány jen díky vaší podpoře. Nejlépe Omenhall podpoříte tak, že budete Omenhall pravidelně navštěvovat a zapojovat se do diskusí a dalších aktivit na fóru.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Navštěvujte Omenhall pravidelně. Podpořte Omenhall účastí v diskusích a dalších aktivitách. Bez vašich pravidelných návštěv fóra Omenhall nelze tyto programy podporovat a udržovat.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall je bezplatné diskusní fórum o všem mystickém. Chcete-li fóru Omenhall pomoci vyvíjet a udržovat tento program, navštěvujte Omenhall pravidelně.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall potřebuje vaši pomoc. Stačí pravidelně navštěvovat Omenhall a zapojovat se do diskusí a dalších aktivit – pomůžete nám tak udržovat a vyvíjet další programy Augury Softwares.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Pokud se vám tento program líbil, jistě vás zaujmou i naše další programy Augury Softwares. Začínali jsme s jediným programem a dnes máme největší sbírku věšteckých programů na světě. Astrologie, jasnovidectví, tarot, numerologie či okultismus – máme programy ze všech oblastí, pro každý zájem.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Všechny programy Augury Softwares jsou jednoduché a snadno se ovládají. Jsou nejen zábavné, ale i velmi poučné. Vyzkoušejte je ještě dnes a podělte se o své zážitky s přáteli a rodinou. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>E-mailová adresa nesmí obsahovat mezery.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Nejoblíbenější online fórum o mystice. Nejlepší zdroj všeho mystického. Navštivte Omenhall ještě dnes</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Hod kostkou</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Myslete na svůj problém a meditujte. Pak otevřete oči a klikněte na „Hodit kostkou“.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Výsledek věštby</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Nabídky</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Podnikání z domova. Založte si vlastní internetový byznys a vydělávejte online. Tento program plně pod značkou vašeho webu. Další podrobnosti zde.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Co-branding tohoto programu pro váš web: více věrných návštěvníků a vyšší návštěvnost. Zde bude název &amp;&amp; odkaz vašeho webu. Podrobnosti v nabídce „Nápověda“. Více o co-brandingu zde.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Nápo&amp;věda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Nápověda na webu</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Navštívit náš &amp;web</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Zkontrolovat &amp;aktualizace</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informace o programu</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Přispět</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Vydělávejte &amp;online</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Kostkou se ještě nehodilo</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>Kostka ukazuje %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Program již běží.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Zadejte dvě různé e-mailové adresy.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Zadejte platnou e-mailovou adresu.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Zadejte své jméno.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Zadejte svou e-mailovou adresu.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Zadejte zprávu.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Zadejte jméno přítele.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Zadejte e-mailovou adresu přítele.</translation>
    </message>
</context>
</TS>
