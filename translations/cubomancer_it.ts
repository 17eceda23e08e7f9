<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Lancia un dado quattro volte e ricevi un responso</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer è un piccolo gioco divinatorio. Pensa a un problema, lancia un dado quattro volte con un pulsante e ricevi uno di sedici brevi responsi: i lanci pari e dispari formano una sequenza che sceglie il responso.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>I menu e i collegamenti aprono le pagine web dell&apos;autore (guida in linea, aggiornamenti, donazioni) nel browser predefinito; il programma in sé non si collega mai alla rete. Quando lo chiudi, una schermata di congedo ti propone un modulo per consigliare il programma a un amico: apre una pagina del sito dell&apos;autore il cui indirizzo contiene il tuo nome e il tuo indirizzo email e quelli del tuo amico. Ogni due settimane il programma chiede se cercare un aggiornamento. L&apos;unica cosa che conserva tra un avvio e l&apos;altro è la data di quella domanda.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>La finestra principale, pronta per i quattro lanci</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>La finestra «Informazioni»</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>La schermata di congedo che compare alla chiusura della finestra principale</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Oracolo dei dadi</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Lancia un dado quattro volte e ricevi un responso sul tuo problema</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>dadi;dado;oracolo;fortuna;divinazione;responso;sorte;dice;oracle;</translation>
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
        <translation>&amp;Sì</translation>
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
        <translation>Hai una forte energia femminile. Tendi a prenderti cura degli altri. È il momento giusto per entrare in contatto con il tuo io interiore.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Hai una forte energia maschile. Hai molta forza e senti il bisogno di raggiungere i tuoi obiettivi. È il momento giusto per trasformare i tuoi sogni in realtà.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Hai un&apos;idea molto chiara del tuo progetto. Mettilo in pratica e il successo è assicurato.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Forse c&apos;è qualcosa che ti impedisce di andare avanti. Riflettici e ritrova l&apos;equilibrio per avere successo.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>È il momento di unire tutti i tuoi sforzi. Abbi pazienza e il tuo lavoro darà i suoi frutti.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Sviluppa la tua intuizione insieme al lato pratico della tua mente.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Il tuo intuito è molto forte, ma le tue decisioni non sono sempre realistiche. Pensaci bene prima di prendere decisioni importanti.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>In questo momento sei in equilibrio. Valuta tutti i vantaggi prima di portare avanti i compiti che hai tra le mani.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Pensa a tutte le forze che ti dominano. Osserva come ti hanno aiutato e poi prendi le tue decisioni di conseguenza.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Vedi il tuo obiettivo a portata di mano, ma non tutto va per il verso giusto. Dovrai trovare un equilibrio migliore.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Hai basi solide, ma dovrai ampliare le tue idee e i tuoi punti di vista.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Sviluppa le tue capacità intuitive. Liberati da tutte le paure e le inibizioni. Andando avanti riceverai tutto l&apos;aiuto di cui hai bisogno.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Cerca il giusto equilibrio tra mente e spirito per portare a termine il tuo lavoro.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Il tuo piano potrebbe andare in fumo se non fai molta attenzione.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Hai fondamenta solide e una mente aperta. Lasciati alle spalle ogni paura e punta alle stelle.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Preoccupazioni e tensioni ti stanno schiacciando e hai perso di vista il tuo obiettivo. Liberatene per dare il meglio di te nella vita.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Il tuo indirizzo email</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome dell&apos;amico</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Indirizzo email dell&apos;amico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Il tuo messaggio</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>Lanci: %n</numerusform>
            <numerusform>Lanci: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>Lanci: %n</numerusform>
            <numerusform>Lanci: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Lancia il dado</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Vedi il risultato</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Lancia il dado</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer è in esecuzione. Chiudilo, poi scegli «Riprova».</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Potrebbe essere disponibile una nuova versione di questo programma.
Vuoi cercare gli aggiornamenti?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer è un semplice oracolo che ti aiuta a trovare soluzioni ai problemi di tutti i giorni.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Lavoro da casa: avvia la tua attività su Internet e guadagna online. Questo programma con il tuo marchio, per il tuo sito.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Scopri di più</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Fai clic per visitare %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Fai clic per visitare Omenhall</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Consiglialo a un amico</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Consiglialo ora</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Scarica da Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Visita Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Programmi come questo di Augury Softwares esistono solo grazie al tuo sostegno. Il modo migliore per sostenere Omenhall è visitarlo spesso e partecipare alle discussioni e alle altre attività del forum.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Visita Omenhall spesso. Sostieni Omenhall partecipando alle discussioni e alle altre attività. Senza le tue visite regolari a Omenhall, questi programmi non possono andare avanti.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall è un forum online gratuito dedicato a tutto ciò che è mistico. Per aiutare Omenhall a sviluppare e mantenere questo programma, visita Omenhall regolarmente.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall ha bisogno del tuo aiuto. Basta visitare Omenhall spesso e partecipare alle discussioni e alle attività per aiutarci a mantenere e sviluppare altri programmi di Augury Softwares.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Se questo programma ti è piaciuto, ti interesseranno di sicuro gli altri programmi di Augury Softwares. Partiti da un solo programma, oggi siamo la più grande raccolta di programmi divinatori al mondo. Astrologia, veggenza, tarocchi, numerologia o occultismo: ce n&apos;è per tutti i gusti.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Tutti i programmi di Augury Softwares sono semplici da usare, divertenti e anche molto istruttivi. Provali oggi stesso e racconta la tua esperienza ad amici e parenti. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L&apos;indirizzo email non può contenere spazi.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Il forum esoterico più popolare del web. Tutto ciò che è mistico, in un solo posto. Visita Omenhall!</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Lancia il dado</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Pensa al tuo problema e medita. Poi apri gli occhi e fai clic su «Lancia il dado».</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Il responso di Cubomancer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Offerte</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Lavoro da casa: avvia la tua attività su Internet e guadagna online. Questo programma con il tuo marchio, per il tuo sito. Scopri di più.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Personalizza questo programma con il marchio del tuo sito: più fedeltà e più traffico. Qui compariranno il nome &amp;&amp; il link del tuo sito. Dettagli in «Aiuto». Scopri di più sul co-branding.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;uto</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Guida in linea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita il nostro sito</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Cerca aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni sul programma</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Fai una &amp;donazione</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Guadagna online</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Dado non ancora lanciato</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>Il dado mostra %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Il programma è già in esecuzione.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Inserisci due indirizzi email diversi.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Inserisci un indirizzo email valido.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserisci il tuo nome.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Inserisci il tuo indirizzo email.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Scrivi il tuo messaggio.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Inserisci il nome del tuo amico.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Inserisci l&apos;indirizzo email del tuo amico.</translation>
    </message>
</context>
</TS>
