<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv_LV">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Metiet kauliņu četras reizes un saņemiet zīlējumu</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer ir neliela zīlēšanas rotaļlieta. Iedomājieties kādu problēmu, ar pogu četras reizes metiet kauliņu un saņemiet vienu no sešpadsmit īsiem zīlējumiem: pāra un nepāra metieni veido rakstu, kas nosaka zīlējumu.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Tās izvēlnes un saites atver izstrādātāja tīmekļa lapas (tiešsaistes palīdzību, atjauninājumus, ziedojumus) jūsu noklusējuma pārlūkā; pati programma tīklam nekad nepiekļūst. Kad to aizverat, atvadu ekrānā ir veidlapa programmas ieteikšanai draugam: tā atver izstrādātāja tīmekļa vietnes lapu, kuras adresē ir jūsu un jūsu drauga vārds un e-pasta adrese. Reizi divās nedēļās programma jautā, vai meklēt atjauninājumu. Starp palaišanas reizēm tā saglabā tikai šī jautājuma datumu.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Galvenais logs, gatavs četriem metieniem</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Logs „Par programmu“</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Atvadu ekrāns, kas parādās, aizverot galveno logu</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Zīlēšana ar kauliņu</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Metiet kauliņu četras reizes un saņemiet zīlējumu savai problēmai</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>kauliņš;metamais kauliņš;zīlēšana;zīlējums;orākuls;liktenis;dice;oracle;fortune;</translation>
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
        <translation>&amp;Jā</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nē</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Jūsos ir daudz sievišķās enerģijas. Jums patīk rūpēties par citiem. Tagad ir īstais brīdis atrast saikni ar savu iekšējo būtību.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Jūsos ir daudz vīrišķās enerģijas. Jums ir daudz spēka un vēlme sasniegt savus mērķus. Tagad ir īstais brīdis īstenot savus sapņus.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Jūsu iecere ir ļoti laba. Īstenojiet to, un panākumi būs garantēti.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Iespējams, kaut kas jums traucē virzīties uz priekšu. Pārdomājiet to un atrodiet līdzsvaru, lai gūtu panākumus.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Tagad ir laiks apvienot visus spēkus. Saglabājiet pacietību, un jūsu darbs nesīs augļus.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Attīstiet savu intuīciju un līdz ar to arī prāta praktisko pusi.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Jūsu intuīcija ir ļoti spēcīga. Taču ne visi jūsu lēmumi varbūt ir saprātīgi. Pirms svarīgu lēmumu pieņemšanas labi apdomājieties.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Pašlaik jūsos valda līdzsvars. Pirms ķeraties pie iesāktajiem darbiem, apsveriet visus ieguvumus.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Padomājiet par visiem spēkiem, kas valda pār jums. Novērtējiet, kā šie spēki jums ir palīdzējuši, un tad pieņemiet lēmumus.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Jūsu ieceres piepildījums jau ir tuvu. Taču ne viss ir kārtībā. Jums jāatrod labāks līdzsvars.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Jums ir stabils pamats, taču jāpaplašina savas idejas un uzskati.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Attīstiet savas intuitīvās spējas. Atbrīvojieties no visām bailēm un kavēkļiem. Virzoties uz priekšu, jūs saņemsiet visu nepieciešamo palīdzību.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Centieties pareizi apvienot prātu un garu, lai pabeigtu savu darbu.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Ja nerīkosieties ļoti piesardzīgi, jūsu plāns var izjukt.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Jums ir stabils pamats un atvērts prāts. Atmetiet visas bailes un tiecieties pēc zvaigznēm.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Raizes un spriedze jūs ir apbērušas. Jūsu mērķis ir pazudis no redzesloka. Atbrīvojieties no šīm raizēm, lai dzīvē gūtu izcilus panākumus.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Jūsu vārds</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Jūsu e-pasta adrese</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Drauga vārds</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Drauga e-pasta adrese</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Jūsu ziņa</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>%n metiens</numerusform>
            <numerusform>%n metieni</numerusform>
            <numerusform>%n metienu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>%n metiens</numerusform>
            <numerusform>%n metieni</numerusform>
            <numerusform>%n metienu</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Mest kauliņu</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Rādīt rezultātu</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Mest kauliņu</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer darbojas. Aizveriet to un pēc tam izvēlieties „Mēģināt vēlreiz“.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Iespējams, ir pieejams šīs programmas atjauninājums.
Vai vēlaties meklēt atjauninājumu?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer ir vienkāršs zīlēšanas rīks, kas palīdz rast risinājumus ikdienas problēmām.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Biznesa iespēja mājās: sāciet savu interneta biznesu un pelniet tiešsaistē. Saņemiet šo programmu ar savas tīmekļa vietnes zīmolu.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Sīkāka informācija</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Apmeklēt %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Apmeklējiet Omenhall tūlīt</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Iziet</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Ieteikt draugam</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Ieteikt &amp;tūlīt</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Lejupielādēt Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Apmeklēt Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Tādas Augury Softwares programmas kā šī var izstrādāt un uzturēt tikai ar jūsu atbalstu. Vislabāk Omenhall var atbalstīt, regulāri to apmeklējot un piedaloties foruma diskusijās un citās aktivitātēs.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Regulāri apmeklējiet Omenhall. Atbalstiet Omenhall, piedaloties diskusijās un citās aktivitātēs. Bez jūsu regulārajiem apmeklējumiem šīs programmas nevar uzturēt.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall ir bezmaksas tiešsaistes diskusiju forums par visu mistisko. Lai palīdzētu Omenhall izstrādāt un uzturēt šo programmu, regulāri apmeklējiet Omenhall.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall ir vajadzīga jūsu palīdzība. Jums tikai regulāri jāapmeklē Omenhall un jāpiedalās diskusijās un aktivitātēs – tā jūs palīdzēsiet mums uzturēt un izstrādāt jaunas Augury Softwares programmas.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Ja jums patika šī programma, jūs noteikti interesēs arī citas mūsu Augury Softwares programmas. No vienas vienīgas programmas esam izauguši par pasaulē lielāko zīlēšanas programmu krājumu. Astroloģija, gaišredzība, taro, numeroloģija vai okultisms – mums ir programmas visās jomās, tāpēc katrs var izvēlēties pēc savām interesēm.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Visas Augury Softwares programmas ir vienkāršas un viegli lietojamas. Tās ir ne tikai jautras, bet arī informatīvas. Izmēģiniet tās jau šodien un pastāstiet par savu pieredzi draugiem un ģimenei. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>E-pasta adresē nedrīkst būt atstarpju.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Populārākais tiešsaistes forums par mistiku. Labākais avots visam mistiskajam. Apmeklējiet Omenhall tūlīt</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Mest kauliņu</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Domājiet par savu problēmu un meditējiet. Tad atveriet acis un metiet kauliņu.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Jūsu zīlējums</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atpakaļ</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Piedāvājumi</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Biznesa iespēja mājās: sāciet savu interneta biznesu un pelniet tiešsaistē. Saņemiet šo programmu ar savas tīmekļa vietnes zīmolu. Noklikšķiniet šeit, lai uzzinātu vairāk.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Šī programma ar jūsu vietnes zīmolu: vairāk uzticīgu apmeklētāju un datplūsmas. Šeit būs jūsu vietnes nosaukums &amp;&amp; saite. Sīkāk sadaļā „Palīdzība“. Noklikšķiniet šeit, lai uzzinātu vairāk par kopzīmološanu.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fails</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Palīdzība</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Iziet</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Tiešsaistes palīdzība</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Apmeklēt &amp;mūsu vietni</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Meklēt &amp;atjauninājumus</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Par programmu</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Ziedot</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Pelnīt &amp;tiešsaistē</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Kauliņš, vēl nav mests</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>Kauliņš rāda %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Programma jau darbojas.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Ievadiet divas atšķirīgas e-pasta adreses.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Ievadiet derīgu e-pasta adresi.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Ievadiet savu vārdu.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Ievadiet savu e-pasta adresi.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Ievadiet savu ziņu.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Ievadiet drauga vārdu.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Ievadiet drauga e-pasta adresi.</translation>
    </message>
</context>
</TS>
