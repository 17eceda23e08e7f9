<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Dobjon négyszer a kockával, és kapjon egy jóslatot</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>A Cubomancer egy kis jósló játék. Gondoljon egy problémára, egy gombbal dobjon négyszer a kockával, és tizenhat rövid jóslat közül kap egyet: a páros és páratlan dobások mintázata dönti el, melyiket.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Menüi és hivatkozásai a készítő weboldalait (online súgó, frissítések, adományozás) nyitják meg az alapértelmezett böngészőben; maga a program sosem kapcsolódik a hálózathoz. Bezáráskor egy búcsúképernyő űrlapot kínál, amellyel a programot egy barátjának ajánlhatja: ez a készítő webhelyének egy olyan oldalát nyitja meg, amelynek címe tartalmazza az Ön és barátja nevét és e-mail-címét. A program kéthetente megkérdezi, hogy keressen-e frissítést. A futások között csak ennek a kérdésnek a dátumát őrzi meg.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>A főablak, készen a négy dobásra</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>A Névjegy ablak</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>A főablak bezárásakor megjelenő búcsúképernyő</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Kockajóslás</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Dobjon négyszer a kockával, és kapjon jóslatot a problémájára</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>kocka;dobókocka;jóslat;jóslás;jövendőmondás;orákulum;szerencse;dice;oracle;fortune;</translation>
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
        <translation>&amp;Igen</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nem</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Tele van női energiával. Hajlamos gondoskodni másokról. Most van itt az ideje, hogy kapcsolatba kerüljön a belső énjével.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Tele van férfienergiával. Erő duzzad Önben, és hajtja a vágy, hogy elérje a céljait. Most van itt az ideje, hogy tettekre váltsa az álmait.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Nagyon jól látja maga előtt a tervét. Valósítsa meg, és biztos lehet a sikerben.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Lehet, hogy valami visszatartja a továbblépéstől. Gondolja át, és teremtse meg az egyensúlyt, hogy sikerrel járjon.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Itt az ideje, hogy egyesítse minden erőfeszítését. Legyen türelmes, és munkája meghozza gyümölcsét.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Fejlessze intuícióját, és vele együtt gondolkodása gyakorlatias oldalát.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Az intuíciója nagyon erős. Nem biztos, hogy minden döntése gyakorlatias. Fontos döntések előtt gondolja meg alaposan.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Jelenleg kiegyensúlyozott. Mielőtt nekilátna az előtte álló feladatoknak, mérlegelje az összes előnyüket.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Gondoljon az összes erőre, amely hatalmában tartja. Nézze meg, hogyan segítették ezek az erők, és ennek alapján döntsön.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Már karnyújtásnyira látja elképzelése megvalósulását. De még nincs minden rendben. Nagyobb egyensúlyra lesz szüksége.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Szilárdak az alapjai, de tágítania kell elképzeléseit és látókörét.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Fejlessze intuitív képességeit. Vesse le minden félelmét és gátlását. Ahogy halad előre, minden segítséget megkap, amire szüksége van.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Próbálja megtalálni az ész és a lélek helyes egyensúlyát, hogy befejezhesse munkáját.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Ha nem vigyáz eléggé, a terve összeomolhat.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Szilárdak az alapjai, és nyitott az elméje. Vesse le minden félelmét, és nyúljon a csillagokért.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Aggodalmak és feszültségek alá temette magát. Szem elől tévesztette a célját. Szabaduljon meg ezektől az aggodalmaktól, hogy kiteljesedhessen az életben.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Az Ön neve</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Az Ön e-mail-címe</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Barátja neve</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Barátja e-mail-címe</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Az Ön üzenete</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>Dobások száma: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>Dobások száma: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Dobás</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Eredmény</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Dobás</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>A Cubomancer fut. Zárja be, majd kattintson az Újra gombra.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Lehet, hogy elérhető a program frissítése.
Szeretne frissítést keresni?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>A Cubomancer egy egyszerű jósló eszköz, amely segít megoldást találni a mindennapi problémáira.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Otthoni üzleti lehetőség: indítson internetes vállalkozást, és keressen pénzt online. Kérje a programot saját webhelye arculatával.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Részletekért kattintson ide</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Látogasson el ide: %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Látogasson el most az Omenhall fórumára</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Ajánlja egy barátjának</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Ajánlás küldése</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Letöltés: Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Ugrás az Augury Softwares oldalára</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Az ehhez hasonló Augury Softwares programok csak az Ön támogatásával születhetnek meg és fejlődhetnek tovább. Az Omenhallt úgy segíti a legjobban, ha rendszeresen ellátogat oda, és részt vesz a fórum életében.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Látogasson el rendszeresen az Omenhallra. Támogassa azzal, hogy részt vesz a beszélgetésekben és más tevékenységekben. Rendszeres látogatásai nélkül nem tudjuk támogatni és karbantartani ezeket a programokat.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Az Omenhall egy INGYENES online fórum mindenről, ami misztikus. Látogasson el rendszeresen az Omenhallra, és segítse, hogy fejleszthessük és karbantarthassuk ezt a programot.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Az Omenhallnak szüksége van a segítségére. Elég, ha rendszeresen ellátogat hozzánk, és bekapcsolódik a beszélgetésekbe: így segít nekünk karbantartani és újabbakkal bővíteni az Augury Softwares programjait.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Ha tetszett ez a program, biztosan érdeklik majd az Augury Softwares többi programja is. Egyetlen programmal kezdtük, mára a világ legnagyobb jóslóprogram-gyűjteményévé nőttünk. Asztrológia, jóstehetség, tarot, számmisztika vagy okkultizmus: minden területre van programunk, így mindenki érdeklődése szerint válogathat.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Az Augury Softwares minden programja egyszerű és könnyen kezelhető. Nemcsak szórakoztatók, hanem sok érdekességet is tartogatnak. Próbálja ki őket még ma, és ossza meg élményeit barátaival, családjával. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Az e-mail-cím nem tartalmazhat szóközt.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>A legnépszerűbb online misztikus fórum, a legjobb forrás mindenhez, ami misztikus. Látogasson el most az Omenhallra!</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Kockadobás</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Gondoljon a problémájára, és meditáljon. Majd nyissa ki a szemét, és kattintson a Dobás gombra.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>A Cubomancer jóslata</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Vissza</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Ajánlatok</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Otthoni üzleti lehetőség: indítsa el saját internetes vállalkozását, és keressen pénzt online. Kérje ezt a programot a saját webhelye arculatával. Részletekért kattintson ide.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Lássa el ezt a programot a webhelye nevével: több visszatérő látogató, nagyobb forgalom. Itt állhat webhelye neve &amp;&amp; hivatkozása. Részletek a „Súgó” menüben. A co-brandingról bővebben: kattintson ide.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fájl</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Súgó</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online súgó</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Weboldalunk meglátogatása</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Frissítés keresése</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Névjegy</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Adományozás</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Pénzkeresés online</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Kocka, még nem történt dobás</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>A kocka értéke: %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>A program már fut.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Kérjük, adjon meg két különböző e-mail-címet.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Kérjük, adjon meg egy érvényes e-mail-címet.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Kérjük, adja meg a nevét.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Kérjük, adja meg az e-mail-címét.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Kérjük, írja be az üzenetét.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Kérjük, adja meg a barátja nevét.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Kérjük, adja meg a barátja e-mail-címét.</translation>
    </message>
</context>
</TS>
