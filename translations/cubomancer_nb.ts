<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Kast en terning fire ganger og få en spådom</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer er et lite spådomsleketøy. Tenk på et problem, kast én terning fire ganger med et klikk og få én av seksten korte spådommer: De like og ulike kastene danner et mønster som velger ut spådommen.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Menyene og lenkene åpner nettsidene til utvikleren (hjelp på nettet, oppdateringer, donasjoner) i standardnettleseren din; selve programmet kommuniserer aldri med nettverket. Når du lukker det, viser en avskjedsskjerm et skjema der du kan anbefale programmet til en venn: Det åpner en side på utviklerens nettsted, og adressen til siden inneholder ditt og vennens navn og e-postadresse. Hver fjortende dag spør programmet om det skal se etter en oppdatering. Det eneste programmet tar vare på fra gang til gang, er datoen for det spørsmålet.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Hovedvinduet, klart for de fire kastene</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Om-vinduet</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Avskjedsskjermen som vises når hovedvinduet lukkes</translation>
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
        <translation>Kast en terning fire ganger og få en spådom om problemet ditt</translation>
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
        <translation>&amp;Nei</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Du er full av kvinnelig energi. Du har lett for å ta vare på andre. Nå er det rette tidspunktet for å komme i kontakt med ditt indre selv.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Du er full av mannlig energi. Du har mye kraft og en sterk trang til å nå målene dine. Nå er det rette tidspunktet for å sette drømmene dine ut i livet.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Du har et svært godt bilde av prosjektet. Gjennomfør det, så er suksessen sikret.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Kanskje er det noe som holder deg tilbake. Tenk over det og finn den rette balansen, så lykkes du.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Nå er tiden inne for å samle alle kreftene dine. Vær tålmodig, så vil arbeidet ditt bære frukt.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Utvikle intuisjonen din sammen med den praktiske sansen din.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Intuisjonen din er svært sterk, men beslutningene dine er ikke alltid praktiske. Tenk deg godt om før du tar viktige beslutninger.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Du er i god balanse nå. Tenk over alle fordelene før du tar fatt på oppgavene som venter.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Tenk på alle kreftene som har makt over deg. Se hvordan de har hjulpet deg, og ta beslutningene dine ut fra det.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Du ser at visjonen din snart kan bli virkelighet. Men ikke alt er som det skal. Du må finne en bedre balanse.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Du har et solid grunnlag, men du må utvide ideene og synspunktene dine.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Utvikle de intuitive evnene dine. Legg bort all frykt og alle hemninger. Underveis får du all den hjelpen du trenger.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Prøv å finne den rette balansen mellom forstand og ånd for å fullføre arbeidet ditt.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Planen din kan smuldre opp hvis du ikke er forsiktig nok.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Du har et solid fundament og et åpent sinn. Kast all frykt over bord og strekk deg mot stjernene.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Du har gravd deg ned i bekymringer og spenninger. Du har mistet målet ditt av syne. Legg bekymringene bak deg, så kan du blomstre i livet.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Navnet ditt</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>E-postadressen din</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Navnet til vennen din</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-postadressen til vennen din</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Meldingen din</translation>
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
        <translation>Cubomancer kjører. Lukk programmet og velg deretter «Prøv igjen».</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Det kan finnes en oppdatering til dette programmet.
Vil du se etter oppdateringer?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer er et enkelt spådomsverktøy som hjelper deg med å finne løsninger på hverdagsproblemene dine.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Forretningsidé: Start din egen nettbedrift hjemmefra og tjen penger på nettet. Få dette programmet med ditt eget merke på nettstedet ditt.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Les mer her</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Klikk her for å besøke %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Klikk her og besøk Omenhall nå</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Anbefal til en venn</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Anbefal &amp;nå</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Last ned fra Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Besøk Augury Softwares her</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Programmer fra Augury Softwares som dette kan bare lages og vedlikeholdes med din støtte. Den beste måten å støtte Omenhall på er å besøke forumet jevnlig og delta i diskusjonene og de andre aktivitetene.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Besøk Omenhall jevnlig. Støtt Omenhall ved å delta i diskusjonene og de andre aktivitetene. Uten dine jevnlige besøk på Omenhall kan disse programmene ikke vedlikeholdes.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall er et gratis nettforum for alt som har med mystikk å gjøre. Hjelp Omenhall med å utvikle og vedlikeholde dette programmet: Besøk Omenhall jevnlig.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall trenger din hjelp. Alt du trenger å gjøre, er å besøke Omenhall jevnlig og delta i de ulike diskusjonene og aktivitetene. Slik hjelper du oss med å vedlikeholde programmene fra Augury Softwares og lage nye.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Har du likt dette programmet, er du sikkert også interessert i de andre programmene våre fra Augury Softwares. Fra ett eneste program har vi vokst til å bli verdens største samling av spådomsprogrammer. Astrologi, klarsyn, tarot, numerologi eller okkultisme: Vi har programmer innen alle felt, så det er noe for enhver smak.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Alle programmene fra Augury Softwares er enkle og lette å bruke. De er ikke bare morsomme, men også svært lærerike. Prøv dem i dag, og del erfaringene dine med venner og familie. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>En e-postadresse kan ikke inneholde mellomrom.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Det mest populære nettforumet for mystikk. Den beste kilden til alt som er mystisk. Besøk Omenhall nå</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Kast terningen</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Tenk på problemet ditt og mediter. Åpne så øynene og kast terningen.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Cubomancer-resultatet ditt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Tilbake</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Tilbud</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Forretningsidé: Start din egen nettbedrift hjemmefra og tjen penger på nettet. Få dette programmet med ditt eget merke på nettstedet ditt. Klikk her for å lese mer.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Sett ditt eget merke på dette programmet: flere faste besøkende og mer trafikk. Navnet &amp;&amp; lenken til nettstedet ditt står da her. Se «Hjelp» for detaljer. Klikk her for å lese mer om co-branding.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Hjelp på nettet</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Besøk nettstedet vårt</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Se etter &amp;oppdateringer</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Om &amp;programmet</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doner</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Tjen penger på &amp;nettet</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Terning, ikke kastet ennå</translation>
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
        <translation>Programmet kjører allerede.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Skriv inn to ulike e-postadresser.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Skriv inn en gyldig e-postadresse.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Skriv inn navnet ditt.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Skriv inn e-postadressen din.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Skriv inn meldingen din.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Skriv inn navnet til vennen din.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Skriv inn e-postadressen til vennen din.</translation>
    </message>
</context>
</TS>
