<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Lancez un dé quatre fois et obtenez une prédiction</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer est un petit jeu divinatoire. Pensez à un problème, lancez un dé quatre fois d’un clic et recevez l’une de seize courtes prédictions&#xa0;: la suite des lancers pairs et impairs forme un motif qui désigne la prédiction.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Ses menus et ses liens ouvrent les pages web de l’éditeur (aide en ligne, mises à jour, dons) dans votre navigateur par défaut&#xa0;; le programme lui-même ne communique jamais avec le réseau. Quand vous le fermez, un écran d’au revoir propose un formulaire pour recommander le programme à un ami&#xa0;: il ouvre une page du site de l’éditeur dont l’adresse contient votre nom et votre adresse e-mail, ainsi que ceux de votre ami. Tous les quinze jours, le programme demande s’il doit rechercher une mise à jour. La seule chose qu’il conserve d’une utilisation à l’autre est la date de cette question.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>La fenêtre principale, prête pour les quatre lancers</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>La boîte de dialogue «&#xa0;À propos&#xa0;»</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>L’écran d’au revoir affiché à la fermeture de la fenêtre principale</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Oracle aux dés</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Lancez un dé quatre fois et obtenez une prédiction pour votre problème</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>dé;dés;oracle;divination;voyance;prédiction;avenir;dice;</translation>
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
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Vous débordez d’énergie féminine. Vous avez tendance à prendre soin des autres. C’est le bon moment pour renouer avec votre moi profond.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Vous débordez d’énergie masculine. Vous avez de la force à revendre et une envie irrésistible d’atteindre vos objectifs. C’est le bon moment pour passer du rêve à l’action.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Votre vision du projet est très juste. Mettez-la en œuvre&#xa0;: le succès est assuré.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Un problème vous empêche peut-être d’avancer. Réfléchissez-y et trouvez le bon équilibre pour réussir.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>C’est le moment d’unir tous vos efforts. Faites preuve de patience et votre travail portera ses fruits.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Développez votre intuition tout en cultivant votre sens pratique.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Votre intuition est très forte, mais vos décisions ne sont pas toujours réalistes. Réfléchissez à deux fois avant de prendre des décisions importantes.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>En ce moment, vous avez trouvé votre équilibre. Pesez tous les avantages avant de vous lancer dans les tâches qui vous attendent.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Pensez à toutes les forces qui vous dominent. Voyez comment elles vous ont aidé, puis prenez vos décisions en conséquence.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Vous voyez votre rêve sur le point de se réaliser. Mais tout n’est pas encore au point&#xa0;: il vous faudra trouver un meilleur équilibre.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Vous avez une base solide, mais il vous faudra élargir votre horizon et vos points de vue.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Développez vos facultés intuitives. Débarrassez-vous de toutes vos peurs et inhibitions. En avançant, vous recevrez toute l’aide dont vous avez besoin.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Cherchez le juste accord entre l’esprit et l’âme pour mener votre travail à bien.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Votre projet pourrait s’effondrer si vous manquez de prudence.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Vous avez des fondations solides et un esprit ouvert. Chassez toutes vos peurs et visez la lune.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Les soucis et les tensions vous ensevelissent. Vous avez perdu votre objectif de vue. Libérez-vous de ces soucis pour vous épanouir dans la vie.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Lancer le dé</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Voir le résultat</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Lancer le dé</translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>Lancers&#xa0;: %n</numerusform>
            <numerusform>Lancers&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>Lancers&#xa0;: %n</numerusform>
            <numerusform>Lancers&#xa0;: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer est en cours d’exécution. Fermez-le, puis choisissez «&#xa0;Réessayer&#xa0;».</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.
Voulez-vous rechercher une mise à jour&#xa0;?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer est un outil de divination simple qui vous aide à trouver des solutions à vos problèmes quotidiens.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Travaillez de chez vous. Créez votre entreprise sur Internet et gagnez de l’argent en ligne. Ce logiciel entièrement aux couleurs de votre site.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>En savoir plus</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Cliquez ici pour visiter Omenhall</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recommander maintenant</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Télécharger Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Découvrez Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Les logiciels d’Augury Softwares comme celui-ci ne peuvent être créés et maintenus qu’avec votre soutien. La meilleure façon de soutenir Omenhall est de le visiter régulièrement et de participer aux discussions et aux autres activités du forum.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Visitez Omenhall régulièrement. Soutenez Omenhall en participant aux discussions et aux autres activités. Sans vos visites régulières sur Omenhall, ces logiciels ne peuvent pas être maintenus.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall est un forum de discussion gratuit consacré à tout ce qui touche au mystique. Pour aider Omenhall à développer et à maintenir ce logiciel, visitez Omenhall régulièrement.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall a besoin de votre aide. Il vous suffit de visiter Omenhall régulièrement et de participer aux discussions et aux activités pour nous aider à maintenir les logiciels d’Augury Softwares et à en créer d’autres.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Si vous avez aimé ce logiciel, les autres programmes d’Augury Softwares vous intéresseront sûrement. Partis d’un seul logiciel, nous proposons aujourd’hui la plus vaste collection de logiciels divinatoires au monde. Astrologie, voyance, tarot, numérologie ou occultisme&#xa0;: nous avons des programmes dans tous les domaines, pour tous les goûts.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Tous les programmes d’Augury Softwares sont simples et faciles à utiliser. Ils sont à la fois amusants et instructifs. Essayez-les dès aujourd’hui et partagez votre expérience avec vos proches. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Une adresse e-mail ne peut pas contenir d’espace.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Le forum mystique le plus populaire du Web. Tout l’univers mystique en un seul lieu. Visitez Omenhall dès maintenant</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Lancer le dé</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Pensez à votre problème et méditez. Ouvrez les yeux et cliquez sur «&#xa0;Lancer le dé&#xa0;».</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Résultat de Cubomancer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Offres</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Travaillez de chez vous. Créez votre entreprise sur Internet et gagnez de l’argent en ligne. Ce logiciel entièrement aux couleurs de votre site. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Associez votre marque à ce logiciel. Fidélisez vos visiteurs et augmentez votre trafic. Le nom &amp;&amp; le lien de votre site ici. Détails dans «&#xa0;Aide&#xa0;». Cliquez ici pour en savoir plus sur le co-branding.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gagner de l’argent en ligne</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Dé, pas encore lancé</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>Le dé indique %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Le programme est déjà en cours d’exécution.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir deux adresses e-mail différentes.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l’adresse e-mail de votre ami.</translation>
    </message>
</context>
</TS>
