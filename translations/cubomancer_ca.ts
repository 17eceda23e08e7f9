<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Tireu un dau quatre vegades i rebeu una lectura</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>El Cubomancer és una petita joguina endevinatòria. Penseu en un problema, tireu un dau quatre vegades amb un botó i rebeu una de setze lectures breus: les tirades parells i senars formen un patró que tria la lectura.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Els menús i els enllaços obren les pàgines web de l&apos;autor (ajuda en línia, actualitzacions, donatius) al navegador predeterminat; el programa mateix no es connecta mai a la xarxa. Quan el tanqueu, una pantalla de comiat us ofereix un formulari per recomanar el programa a un amic: obre una pàgina del web de l&apos;autor l&apos;adreça de la qual conté el vostre nom i la vostra adreça electrònica, i els del vostre amic. Cada quinze dies, el programa pregunta si ha de cercar una actualització. L&apos;únic que conserva d&apos;una execució a l&apos;altra és la data d&apos;aquesta pregunta.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>La finestra principal, a punt per a les quatre tirades</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>El quadre «Quant a»</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>La pantalla de comiat que apareix en tancar la finestra principal</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Oracle de daus</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Tireu un dau quatre vegades i rebeu una lectura per al vostre problema</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>daus;dau;oracle;fortuna;endevinació;lectura;sort;dice;oracle;</translation>
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
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Teniu molta energia femenina. Tendiu a tenir cura dels altres. És el moment de connectar amb el vostre jo interior.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Teniu molta energia masculina. Us sobra força i sentiu l&apos;impuls d&apos;assolir els vostres objectius. És el moment adequat per a fer realitat els vostres somnis.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Visualitzeu molt bé el vostre projecte. Poseu-lo en marxa i tindreu l&apos;èxit assegurat.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Potser hi ha alguna cosa que us impedeix avançar. Reflexioneu-hi i busqueu l&apos;equilibri per a tenir èxit.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>És el moment d&apos;unir tots els vostres esforços. Tingueu paciència i la vostra feina donarà fruit.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Desenvolupeu la intuïció juntament amb la part pràctica de la vostra ment.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>La vostra intuïció és molt forta, però potser no totes les vostres decisions seran realistes. Penseu-vos-ho bé abans de prendre decisions importants.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Ara mateix teniu un bon equilibri. Penseu en tots els avantatges abans de tirar endavant les tasques que teniu entre mans.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Penseu en totes les forces que us dominen. Observeu com us han ajudat i preneu les decisions en conseqüència.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Veieu el vostre objectiu a tocar, però no tot va bé. Caldrà que trobeu més equilibri.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Teniu una base sòlida, però haureu d&apos;ampliar les vostres idees i punts de vista.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Desenvolupeu les vostres capacitats intuïtives. Deixeu enrere totes les pors i inhibicions. A mesura que avanceu, rebreu tota l&apos;ajuda que necessiteu.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Busqueu l&apos;equilibri just entre ment i esperit per a enllestir la vostra feina.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>El vostre pla es podria ensorrar si no aneu amb molt de compte.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Teniu uns fonaments ferms i una ment oberta. Allibereu-vos de les pors i apunteu a les estrelles.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Us heu enterrat sota preocupacions i tensions, i heu perdut de vista el vostre objectiu. Sortiu d&apos;aquestes preocupacions per a triomfar a la vida.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>El vostre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>La vostra adreça electrònica</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de l&apos;amic</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adreça electrònica de l&apos;amic</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>El vostre missatge</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>Tirades: %n</numerusform>
            <numerusform>Tirades: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>Tirades: %n</numerusform>
            <numerusform>Tirades: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Tira el dau</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Vés al resultat</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Tira el dau</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>El Cubomancer s&apos;està executant. Tanqueu-lo i feu clic a «Torna-ho a provar».</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>És possible que hi hagi una versió nova d&apos;aquest programa.
Voleu cercar actualitzacions?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>El Cubomancer és un oracle senzill que us ajuda a resoldre els problemes del dia a dia.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Negoci des de casa: creeu el vostre negoci a Internet i guanyeu diners. Aquest programa amb la vostra marca, per al vostre web.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Més informació</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Feu clic per a visitar %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Feu clic per a visitar Omenhall</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomaneu-lo a un amic</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomana&apos;l ara</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Baixades d&apos;Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Visiteu Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Programes d&apos;Augury Softwares com aquest només existeixen gràcies al vostre suport. La millor manera de donar suport a Omenhall és visitar-lo sovint i participar en els debats i altres activitats del fòrum.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Visiteu Omenhall sovint. Doneu suport a Omenhall participant en els debats i altres activitats. Sense les vostres visites regulars a Omenhall, no podem mantenir aquests programes.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall és un fòrum en línia gratuït sobre tot allò místic. Per a ajudar Omenhall a desenvolupar i mantenir aquest programa, visiteu Omenhall sovint.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall necessita la vostra ajuda. Només cal que visiteu Omenhall sovint i que participeu en els debats i activitats per ajudar-nos a mantenir i crear més programes d&apos;Augury Softwares.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Si us ha agradat aquest programa, segur que us interessaran els altres programes d&apos;Augury Softwares. Vam començar amb un sol programa i ara som la col·lecció de programes endevinatoris més gran del món. Astrologia, vidència, tarot, numerologia o ocultisme: en tenim per a tots els gustos.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Tots els programes d&apos;Augury Softwares són senzills i fàcils d&apos;utilitzar. Són divertits i alhora molt instructius. Proveu-los avui mateix i expliqueu-ho als amics i a la família. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L&apos;adreça electrònica no pot contenir espais.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>El fòrum d&apos;esoterisme més popular d&apos;Internet. Tot allò místic en un sol lloc. Visiteu Omenhall!</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Tira el dau</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Penseu en el vostre problema i mediteu. Després obriu els ulls i feu clic a «Tira el dau».</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Resultat del Cubomancer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Enrere</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Ofertes</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Negoci des de casa: creeu el vostre negoci a Internet i guanyeu diners. Aquest programa amb la vostra marca, per al vostre web. Més informació.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Poseu la marca del vostre web en aquest programa: més fidelitat i més trànsit. Aquí hi apareixeran el nom &amp;&amp; l&apos;enllaç del vostre web. Detalls a «Ajuda». Feu clic per a saber més sobre la marca compartida.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fitxer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Ajuda en línia</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita el nostre web</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Cerca actualitzacions</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Quant al programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Fes un &amp;donatiu</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Guanya diners en línia</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Dau, encara sense tirar</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>El dau mostra un %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>El programa ja s&apos;està executant.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Introduïu dues adreces electròniques diferents.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Introduïu una adreça electrònica vàlida.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Introduïu el vostre nom.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Introduïu la vostra adreça electrònica.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escriviu el vostre missatge.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Introduïu el nom del vostre amic.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Introduïu l&apos;adreça electrònica del vostre amic.</translation>
    </message>
</context>
</TS>
