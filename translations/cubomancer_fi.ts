<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Heitä noppaa neljä kertaa ja saa ennustus</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer on pieni ennustuslelu. Ajattele ongelmaa, heitä noppaa neljä kertaa painikkeella ja saat yhden kuudestatoista lyhyestä ennustuksesta: parittomat ja parilliset heitot muodostavat kuvion, joka valitsee ennustuksen.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Ohjelman valikot ja linkit avaavat tekijän verkkosivuja (verkko-ohje, päivitykset, lahjoitukset) oletusselaimessasi; ohjelma itse ei koskaan ota yhteyttä verkkoon. Kun suljet ohjelman, jäähyväisikkunassa on lomake, jolla voit suositella ohjelmaa ystävällesi: se avaa tekijän sivuston sivun, jonka osoitteessa ovat sinun ja ystäväsi nimet ja sähköpostiosoitteet. Kahden viikon välein ohjelma kysyy, etsitäänkö päivitystä. Ainoa asia, jonka ohjelma säilyttää käyttökertojen välillä, on tämän kysymyksen päivämäärä.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Pääikkuna valmiina neljään heittoon</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Tietoja-ikkuna</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Jäähyväisikkuna, joka tulee näkyviin, kun pääikkuna suljetaan</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Noppaoraakkeli</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Heitä noppaa neljä kertaa ja saa ennustus ongelmaasi</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>noppa;nopat;oraakkeli;ennustus;ennustaminen;onni;kohtalo;dice;oracle;</translation>
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
        <translation>&amp;Kyllä</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ei</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Sinussa on paljon naisellista energiaa. Pidät mielelläsi huolta muista. Nyt on oikea aika saada yhteys sisimpääsi.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Sinussa on paljon miehistä energiaa. Olet täynnä voimaa ja tunnet voimakasta halua saavuttaa tavoitteesi. Nyt on oikea aika toteuttaa unelmasi.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Näet hankkeesi hyvin selvästi. Toteuta se, niin menestys on taattu.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Jokin saattaa estää sinua etenemästä. Mieti asiaa ja etsi tasapaino, niin menestyt.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Nyt on aika yhdistää kaikki voimasi. Ole kärsivällinen, niin työsi kantaa hedelmää.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Kehitä intuitiotasi ja samalla mielesi käytännöllistä puolta.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Intuitiosi on hyvin vahva, mutta kaikki päätöksesi eivät välttämättä ole järkeviä. Harkitse tarkkaan ennen tärkeitä päätöksiä.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Olet juuri nyt hyvässä tasapainossa. Punnitse kaikkia hyötyjä ennen kuin jatkat käsillä olevia tehtäviä.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Ajattele kaikkia voimia, jotka hallitsevat sinua. Katso, miten ne ovat auttaneet sinua, ja tee päätöksesi sen mukaan.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Näet tavoitteesi jo lähes saavutettuna, mutta kaikki ei ole kohdallaan. Tarvitset parempaa tasapainoa.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Sinulla on vahva perusta, mutta sinun on laajennettava ajatuksiasi ja näkemyksiäsi.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Kehitä intuitiivisia kykyjäsi. Päästä irti kaikista peloistasi ja estoistasi. Kun jatkat eteenpäin, saat kaiken tarvitsemasi avun.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Etsi oikea tasapaino järjen ja hengen välillä, niin saat työsi valmiiksi.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Suunnitelmasi voi kaatua, jos et ole hyvin varovainen.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Sinulla on vankka pohja ja avoin mieli. Heitä pelkosi menemään ja kurota kohti tähtiä.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Olet haudannut itsesi huolten ja jännitteiden alle ja kadottanut tavoitteesi näkyvistä. Nouse huoliesi alta, niin loistat elämässä.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Nimesi</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Sähköpostiosoitteesi</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Ystäväsi nimi</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Ystäväsi sähköpostiosoite</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Viestisi</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>Heittoja: %n</numerusform>
            <numerusform>Heittoja: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>Heittoja: %n</numerusform>
            <numerusform>Heittoja: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Heitä noppaa</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Näytä tulos</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Heitä noppaa</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer on käynnissä. Sulje se ja valitse sitten ”Yritä uudelleen”.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Tähän ohjelmaan saattaa olla saatavilla uusi versio.
Haluatko etsiä päivityksiä?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer on yksinkertainen ennustusohjelma, joka auttaa sinua ratkaisemaan arjen ongelmia.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Liiketoimintaa kotoa käsin: perusta oma nettiyritys ja ansaitse rahaa verkossa. Tämä ohjelma omalla brändilläsi sivustollesi.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Lisätietoja</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Siirry sivustolle %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Vieraile Omenhallissa nyt</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Suosittele ystävälle</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Suosittele nyt</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Augury Softwares&#xa0;-lataukset</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Siirry Augury Softwares&#xa0;-sivustolle</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Tällaiset Augury Softwares&#xa0;-ohjelmat syntyvät vain sinun tuellasi. Paras tapa tukea Omenhallia on käydä siellä säännöllisesti ja osallistua foorumin keskusteluihin ja muuhun toimintaan.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Käy Omenhallissa säännöllisesti. Tue Omenhallia osallistumalla keskusteluihin ja muuhun toimintaan. Ilman säännöllisiä käyntejäsi Omenhallissa näitä ohjelmia ei voida ylläpitää.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall on ilmainen keskustelufoorumi kaikelle mystiselle. Auta Omenhallia kehittämään ja ylläpitämään tätä ohjelmaa käymällä siellä säännöllisesti.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall tarvitsee apuasi. Käy vain Omenhallissa säännöllisesti ja osallistu keskusteluihin ja muuhun toimintaan, niin autat meitä ylläpitämään ja kehittämään uusia Augury Softwares&#xa0;-ohjelmia.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Jos pidit tästä ohjelmasta, kiinnostut varmasti myös muista Augury Softwares&#xa0;-ohjelmista. Yhdestä ohjelmasta olemme kasvaneet maailman suurimmaksi ennustusohjelmien kokoelmaksi. Astrologia, selvänäkö, tarot, numerologia tai okkultismi: meiltä löytyy ohjelmia joka makuun.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Kaikki Augury Softwares&#xa0;-ohjelmat ovat yksinkertaisia ja helppokäyttöisiä. Ne ovat hauskoja ja samalla hyvin opettavaisia. Kokeile niitä jo tänään ja kerro kokemuksistasi ystävillesi ja perheellesi. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Sähköpostiosoitteessa ei voi olla välilyöntejä.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Verkon suosituin mystiikan keskustelufoorumi. Paras lähde kaikelle mystiselle. Vieraile Omenhallissa nyt</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Heitä noppaa</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Ajattele ongelmaasi ja mietiskele. Avaa sitten silmäsi ja napsauta ”Heitä noppaa”.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Cubomancerin ennustus</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Ta&amp;kaisin</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Tarjoukset</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Liiketoimintaa kotoa käsin: perusta oma nettiyritys ja ansaitse rahaa verkossa. Tämä ohjelma omalla brändilläsi sivustollesi. Lisätietoja.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Tuo tämä ohjelma sivustollesi omalla brändilläsi: lisää kävijöiden uskollisuutta ja liikennettä. Sivustosi nimi &amp;&amp; linkki tulevat tähän. Katso ”Ohje”. Lue lisää yhteisbrändäyksestä napsauttamalla tästä.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Verkko-ohje</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Käy &amp;sivustollamme</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Tarkista &amp;päivitykset</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Tietoja ohjelmasta</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Lahjoita</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ansaitse rahaa verkossa</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Noppaa ei ole vielä heitetty</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>Noppa näyttää %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Ohjelma on jo käynnissä.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Anna kaksi eri sähköpostiosoitetta.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Anna kelvollinen sähköpostiosoite.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Anna nimesi.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Anna sähköpostiosoitteesi.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Kirjoita viestisi.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Anna ystäväsi nimi.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Anna ystäväsi sähköpostiosoite.</translation>
    </message>
</context>
</TS>
