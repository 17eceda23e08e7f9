<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Štyrikrát hoďte kockou a získajte veštbu</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer je malá veštecká hračka. Myslite na svoj problém, tlačidlom štyrikrát hoďte kockou a získajte jednu zo šestnástich krátkych veštieb: párne a nepárne hody vytvoria vzor, podľa ktorého sa veštba vyberie.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Ponuky a odkazy programu otvárajú webové stránky jeho tvorcu (pomocníka online, aktualizácie, dary) v predvolenom prehliadači; samotný program sa k sieti nikdy nepripája. Keď program zatvoríte, rozlúčková obrazovka ponúkne formulár, ktorým ho môžete odporučiť priateľovi: formulár otvorí stránku webu tvorcu, ktorej adresa obsahuje vaše meno a e-mailovú adresu aj meno a adresu vášho priateľa. Raz za dva týždne sa program opýta, či má vyhľadať aktualizáciu. Medzi spusteniami si uchováva iba dátum tejto otázky.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Hlavné okno pripravené na štyri hody</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Okno „O programe“</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Rozlúčková obrazovka, ktorá sa zobrazí po zatvorení hlavného okna</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Veštenie z kocky</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Štyrikrát hoďte kockou a získajte veštbu k svojmu problému</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>kocka;kocky;veštba;veštenie;orákulum;osud;dice;oracle;divination;</translation>
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
        <translation>Án&amp;o</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Máte v sebe veľa ženskej energie. Máte sklon starať sa o druhých. Teraz je ten správny čas spojiť sa so svojím vnútorným ja.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Máte v sebe veľa mužskej energie. Máte veľa sily a neodbytnú túžbu dosiahnuť svoje ciele. Teraz je ten správny čas premeniť svoje sny na skutky.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Vaša predstava o zámere je veľmi dobrá. Uskutočnite ju a úspech vás neminie.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Možno vám niečo bráni pohnúť sa ďalej. Zamyslite sa nad tým a nájdite rovnováhu, potom príde úspech.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Teraz je čas spojiť všetko úsilie. Majte trpezlivosť a vaša práca prinesie ovocie.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Rozvíjajte svoju intuíciu spolu s praktickou stránkou svojej mysle.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Vaša intuícia je veľmi silná, ale nie každé vaše rozhodnutie je praktické. Pred dôležitým rozhodnutím dvakrát merajte.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Momentálne ste v rovnováhe. Skôr než sa pustíte do úloh, ktoré vás čakajú, zvážte všetky výhody.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Myslite na všetky sily, ktoré vás ovládajú. Pozrite sa, ako vám tieto sily pomohli, a podľa toho sa rozhodujte.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Vaša vízia je už na dosah. Ale nie všetko je v poriadku. Potrebujete nájsť lepšiu rovnováhu.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Máte pevný základ, ale budete musieť rozšíriť svoje obzory a názory.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Rozvíjajte svoje intuitívne schopnosti. Zbavte sa všetkých obáv a zábran. Na ďalšej ceste dostanete všetku pomoc, ktorú potrebujete.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Snažte sa správne skĺbiť rozum a ducha – tak svoju prácu dotiahnete do konca.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Bez veľkej opatrnosti sa váš plán môže zrútiť.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Máte pevné základy a otvorenú myseľ. Odhoďte všetky obavy a siahnite po hviezdach.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Zavalili vás starosti a napätie. Cieľ sa vám stratil z očí. Vymaňte sa z týchto starostí a v živote sa vám bude dariť.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Vaše meno</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Vaša e-mailová adresa</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Meno priateľa</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mailová adresa priateľa</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Vaša správa</translation>
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
            <numerusform>%n hodov</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>%n hod</numerusform>
            <numerusform>%n hody</numerusform>
            <numerusform>%n hodov</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Hodiť kockou</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Zobraziť veštbu</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Hodiť kockou</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Program Cubomancer je spustený. Zatvorte ho a vyberte „Opakovať“.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Možno je k dispozícii nová verzia tohto programu.
Chcete vyhľadať aktualizácie?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer je jednoduchý veštecký nástroj, ktorý vám pomôže nájsť riešenia každodenných problémov.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Podnikanie z domu. Založte si vlastný internetový biznis a zarábajte online. Tento program úplne pod značkou vášho webu.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Ďalšie podrobnosti tu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Navštívte %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Navštívte Omenhall ešte dnes</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Odporučte priateľovi</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Odporučiť</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Programy Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Navštívte web Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Programy Augury Softwares, ako je tento, môžu vznikať a byť udržiavané iba vďaka vašej podpore. Omenhall najlepšie podporíte tak, že budete Omenhall pravidelne navštevovať a zapájať sa do diskusií a ďalších aktivít na fóre.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Navštevujte Omenhall pravidelne. Podporte Omenhall účasťou v diskusiách a ďalších aktivitách. Bez vašich pravidelných návštev fóra Omenhall nemožno tieto programy podporovať a udržiavať.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall je bezplatné diskusné fórum o všetkom mystickom. Ak chcete fóru Omenhall pomôcť vyvíjať a udržiavať tento program, navštevujte Omenhall pravidelne.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall potrebuje vašu pomoc. Stačí pravidelne navštevovať Omenhall a zapájať sa do diskusií a ďalších aktivít – pomôžete nám tak udržiavať a vyvíjať ďalšie programy Augury Softwares.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Ak sa vám tento program páčil, určite vás zaujmú aj naše ďalšie programy Augury Softwares. Začínali sme s jediným programom a dnes máme najväčšiu zbierku vešteckých programov na svete. Astrológia, jasnovidectvo, tarot, numerológia či okultizmus – máme programy zo všetkých oblastí, pre každý záujem.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Všetky programy Augury Softwares sú jednoduché a ľahko sa ovládajú. Sú nielen zábavné, ale aj veľmi poučné. Vyskúšajte ich ešte dnes a podeľte sa o svoje zážitky s priateľmi a rodinou. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>E-mailová adresa nesmie obsahovať medzery.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Najobľúbenejšie online fórum o mystike. Najlepší zdroj všetkého mystického. Navštívte Omenhall ešte dnes</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Hod kockou</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Myslite na svoj problém a meditujte. Potom otvorte oči a kliknite na „Hodiť kockou“.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Výsledok veštby</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Naspäť</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Ponuky</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Podnikanie z domu. Založte si vlastný internetový biznis a zarábajte online. Tento program úplne pod značkou vášho webu. Ďalšie podrobnosti tu.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Co-branding tohto programu pre váš web: viac verných návštevníkov a vyššia návštevnosť. Tu bude názov &amp;&amp; odkaz vášho webu. Podrobnosti v ponuke „Pomocník“. Viac o co-brandingu tu.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Súbor</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;cník</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Pomocník na &amp;webe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Navštíviť náš web</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Vyhľadať &amp;aktualizácie</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informácie o programe</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Prispieť</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Zarábajte &amp;online</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Kockou sa ešte nehodilo</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>Kocka ukazuje %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Program už beží.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Zadajte dve rôzne e-mailové adresy.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Zadajte platnú e-mailovú adresu.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Zadajte svoje meno.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Zadajte svoju e-mailovú adresu.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Zadajte správu.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Zadajte meno priateľa.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Zadajte e-mailovú adresu priateľa.</translation>
    </message>
</context>
</TS>
