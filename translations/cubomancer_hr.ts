<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Bacite kocku četiri puta i dobijte tumačenje</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer je mala igračka za proricanje. Zamislite neki problem, gumbom četiri puta bacite kocku i dobit ćete jedno od šesnaest kratkih tumačenja: parna i neparna bacanja tvore uzorak koji određuje tumačenje.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Njegovi izbornici i poveznice otvaraju autorove web-stranice (pomoć na internetu, ažuriranja, donacije) u vašem zadanom pregledniku; sam program nikad ne pristupa mreži. Kad ga zatvorite, oproštajni zaslon nudi obrazac za preporuku programa prijatelju: on otvara stranicu na autorovu web-mjestu čija adresa sadrži vaše ime i adresu e-pošte te ime i adresu vašeg prijatelja. Jednom u dva tjedna program pita želite li potražiti ažuriranje. Između dvaju pokretanja pamti samo datum tog pitanja.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Glavni prozor, spreman za četiri bacanja</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Prozor „O programu“</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Oproštajni zaslon koji se prikazuje kad se zatvori glavni prozor</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Proricanje kockom</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Bacite kocku četiri puta i dobijte tumačenje za svoj problem</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>kocka;kockica;bacanje;proricanje;gatanje;proročište;sudbina;dice;oracle;fortune;</translation>
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
        <translation>&amp;Da</translation>
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
        <translation>Puni ste ženske energije. Skloni ste brinuti se o drugima. Sada je pravo vrijeme da se povežete sa svojim unutarnjim bićem.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Puni ste muške energije. Snažni ste i žudite za ostvarenjem svojih ciljeva. Sada je pravo vrijeme da svoje snove pretočite u djela.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Vaša je zamisao projekta vrlo dobra. Provedite je u djelo i uspjeh vam je zajamčen.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Možda vas nešto sprečava da krenete naprijed. Razmislite o tome i uspostavite ravnotežu pa ćete uspjeti.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Sada je vrijeme da udružite sve svoje snage. Budite strpljivi i vaš će trud uroditi plodom.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Razvijajte svoju intuiciju, ali i praktičnu stranu svojega uma.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Vaša je intuicija vrlo snažna. No možda nisu sve vaše odluke realne. Dobro razmislite prije nego što donesete važne odluke.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Trenutačno ste u ravnoteži. Prije nego što se prihvatite tekućih zadataka, razmotrite sve koristi.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Razmislite o svim silama koje vladaju vama. Pogledajte kako su vam te sile pomogle i u skladu s time donesite odluke.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Vaša je vizija nadohvat ruke. No nije sve kako treba. Morat ćete uspostaviti bolju ravnotežu.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Imate čvrstu osnovu, ali morat ćete proširiti svoje ideje i poglede.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Razvijajte svoje intuitivne moći. Oslobodite se svih strahova i sputanosti. Kako budete napredovali, dobit ćete svu pomoć koja vam treba.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Pokušajte uskladiti um i duh kako biste dovršili svoj posao.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Vaš bi se plan mogao urušiti ako ne budete vrlo oprezni.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Imate čvrste temelje i otvoren um. Odbacite sve strahove i posegnite za zvijezdama.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Zatrpali ste se brigama i napetostima. Izgubili ste cilj iz vida. Oslobodite se tih briga kako biste zasjali u životu.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Vaše ime</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Vaša adresa e-pošte</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Ime prijatelja</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresa e-pošte prijatelja</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Vaša poruka</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>%n bacanje</numerusform>
            <numerusform>%n bacanja</numerusform>
            <numerusform>%n bacanja</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>%n bacanje</numerusform>
            <numerusform>%n bacanja</numerusform>
            <numerusform>%n bacanja</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Baci kocku</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Vidi rezultat</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Baci kocku</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer je pokrenut. Zatvorite ga, a zatim odaberite „Pokušaj ponovno“.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Možda je dostupno ažuriranje ovog programa.
Želite li potražiti ažuriranje?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer je jednostavan alat za proricanje koji vam pomaže pronaći rješenja za svakodnevne probleme.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Prilika za posao od kuće: pokrenite vlastiti internetski posao i zarađujte na mreži. Nabavite ovaj program s oznakom svojega web-mjesta.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Više pojedinosti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Posjetite %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Kliknite ovdje i posjetite Omenhall</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Izlaz</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Preporučite prijatelju</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Preporuči sada</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Preuzmite Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Posjetite Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Programi Augury Softwares poput ovoga nastaju i održavaju se samo uz vašu podršku. Omenhall najbolje podupirete redovitim posjetima i sudjelovanjem u raspravama i drugim aktivnostima na forumu.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Redovito posjećujte Omenhall. Podržite Omenhall sudjelovanjem u raspravama i drugim aktivnostima. Bez vaših redovitih posjeta ovi se programi ne mogu održavati.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall je besplatan internetski forum o svemu što je mistično. Redovito posjećujte Omenhall i tako pomozite razvoju i održavanju ovog programa.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall treba vašu pomoć. Dovoljno je da redovito posjećujete Omenhall i sudjelujete u raspravama i aktivnostima – tako nam pomažete održavati i razvijati nove programe Augury Softwares.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Ako vam se ovaj program svidio, sigurno će vas zanimati i naši drugi programi Augury Softwares. Od jednog jedinog programa izrasli smo u najveću svjetsku zbirku programa za proricanje. Astrologija, vidovitost, tarot, numerologija ili okultizam – imamo programe za sva područja, pa svatko može birati prema svojim zanimanjima.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Svi programi Augury Softwares jednostavni su i laki za upotrebu. Zabavni su, a ujedno i poučni. Isprobajte ih već danas i podijelite iskustvo s prijateljima i obitelji. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Adresa e-pošte ne smije sadržavati razmake.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Najpopularniji internetski forum o mistici. Najbolje mjesto za sve mistično. Posjetite Omenhall već sada</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Baci kocku</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Zamislite problem koji vas muči i meditirajte. Zatim otvorite oči i kliknite „Baci kocku“.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Vaše tumačenje</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Natrag</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Ponude</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Prilika za posao od kuće: pokrenite vlastiti internetski posao i zarađujte na mreži. Nabavite ovaj program s oznakom svojega web-mjesta. Kliknite ovdje za pojedinosti.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Zajedničko brendiranje ovog programa s vašim web-mjestom: više vjernih posjetitelja i prometa. Ovdje stoje naziv &amp;&amp; poveznica vašeg web-mjesta. Pojedinosti u „Pomoći“. Kliknite za više o zajedničkom brendiranju.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datoteka</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoć</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Izlaz</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Pomoć na internetu</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Posjeti &amp;naše web-mjesto</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Provjeri &amp;ažuriranja</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;O programu</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>D&amp;oniraj</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Zaradi na internetu</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Kocka, još nije bačena</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>Kocka pokazuje %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Program je već pokrenut.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Unesite dvije različite adrese e-pošte.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Unesite ispravnu adresu e-pošte.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Unesite svoje ime.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Unesite svoju adresu e-pošte.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Unesite svoju poruku.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Unesite ime prijatelja.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Unesite adresu e-pošte prijatelja.</translation>
    </message>
</context>
</TS>
