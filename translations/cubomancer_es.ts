<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Tira un dado cuatro veces y recibe una lectura</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer es un pequeño juguete adivinatorio. Piensa en un problema, tira un dado cuatro veces con un botón y recibe una de dieciséis lecturas breves: los resultados pares e impares forman un patrón que elige la lectura.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Sus menús y enlaces abren las páginas web del autor (ayuda en línea, actualizaciones, donativos) en tu navegador predeterminado; el programa en sí nunca se conecta a la red. Al cerrarlo, una pantalla de despedida te ofrece un formulario para recomendar el programa a un amigo: abre una página del sitio web del autor cuya dirección lleva tu nombre y tu dirección de correo electrónico, y los de tu amigo. Cada quince días, el programa pregunta si debe buscar una actualización. Lo único que guarda entre una sesión y otra es la fecha de esa pregunta.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>La ventana principal, lista para las cuatro tiradas</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>El cuadro «Acerca de»</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>La pantalla de despedida que aparece al cerrar la ventana principal</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Oráculo de dados</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Tira un dado cuatro veces y recibe una lectura para tu problema</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>dados;dado;oráculo;fortuna;adivinación;lectura;suerte;dice;oracle;</translation>
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
        <translation>Rebosas energía femenina. Tiendes a cuidar de los demás. Es el momento de conectar con tu yo interior.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Rebosas energía masculina. Tienes mucha fuerza y sientes el impulso de alcanzar tus metas. Es el momento adecuado para hacer realidad tus sueños.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Visualizas muy bien tu proyecto. Ponlo en marcha y el éxito está asegurado.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Quizá haya algo que te impida seguir adelante. Piensa en ello y busca el equilibrio para tener éxito.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Es el momento de aunar todos tus esfuerzos. Ten paciencia y tu trabajo dará fruto.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Desarrolla tu intuición junto con el lado práctico de tu mente.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Tu intuición es muy fuerte, pero puede que no todas tus decisiones sean realistas. Piénsalo bien antes de tomar decisiones importantes.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Ahora mismo estás en equilibrio. Piensa en todas las ventajas antes de seguir adelante con lo que tienes entre manos.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Piensa en todas las fuerzas que te dominan. Observa cómo te han ayudado y toma tus decisiones en consecuencia.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Ves tu meta al alcance de la mano, pero no todo está en orden. Tendrás que buscar un mejor equilibrio.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Tienes una base sólida, pero tendrás que ampliar tus ideas y tus puntos de vista.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Desarrolla tus capacidades intuitivas. Deja atrás tus miedos e inhibiciones. A medida que avances, recibirás toda la ayuda que necesites.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Busca el equilibrio justo entre mente y espíritu para terminar tu trabajo.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Tu plan podría venirse abajo si no tienes mucho cuidado.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Tienes unos cimientos firmes y una mente abierta. Líbrate de tus miedos y apunta a las estrellas.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Te has enterrado bajo preocupaciones y tensiones, y has perdido de vista tu objetivo. Sal de esas preocupaciones para brillar en la vida.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico de tu amigo</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Tu mensaje</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>Tiradas: %n</numerusform>
            <numerusform>Tiradas: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>Tiradas: %n</numerusform>
            <numerusform>Tiradas: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Tirar el dado</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Ver resultado</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Tirar el dado</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer se está ejecutando. Ciérralo y pulsa «Reintentar».</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Puede que haya una nueva versión de este programa.
¿Quieres buscar actualizaciones?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer es un sencillo oráculo que te ayuda a resolver tus problemas del día a día.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Trabaja desde casa: monta tu propio negocio en internet y gana dinero. Este programa con tu marca, para tu web.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Haz clic para visitar %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Haz clic para visitar Omenhall</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomiéndalo a un amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomendar ahora</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Descargas de Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Visita Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Programas como este de Augury Softwares solo existen gracias a tu apoyo. La mejor forma de apoyar a Omenhall es visitarlo a menudo y participar en los debates y demás actividades del foro.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Visita Omenhall a menudo. Apoya a Omenhall participando en los debates y demás actividades. Sin tus visitas frecuentes a Omenhall, no podemos mantener estos programas.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall es un foro en línea gratuito sobre todo lo místico. Para ayudar a Omenhall a desarrollar y mantener este programa, visita Omenhall a menudo.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall necesita tu ayuda. Solo tienes que visitar Omenhall a menudo y participar en sus debates y actividades para ayudarnos a mantener y crear más programas de Augury Softwares.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Si te ha gustado este programa, seguro que te interesarán nuestros demás programas de Augury Softwares. De un solo programa hemos pasado a ser la mayor colección de programas adivinatorios del mundo. Astrología, videncia, tarot, numerología u ocultismo: hay programas para todos los gustos.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Todos los programas de Augury Softwares son sencillos y fáciles de usar. Son divertidos y, además, muy instructivos. Pruébalos hoy mismo y cuéntaselo a tus amigos y familiares. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>La dirección de correo electrónico no puede contener espacios.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>El foro de esoterismo más popular de internet. Todo lo místico, en un solo lugar. ¡Visita Omenhall!</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Tirar el dado</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Piensa en tu problema y medita. Luego abre los ojos y pulsa «Tirar el dado».</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Resultado de Cubomancer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Ofertas</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Trabaja desde casa: monta tu propio negocio en internet y gana dinero. Este programa con tu marca, para tu web. Más información.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Pon la marca de tu web en este programa: más fidelidad y más tráfico. Aquí aparecerán el nombre &amp;&amp; el enlace de tu web. Detalles en «Ayuda». Haz clic para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nuestra web</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganar dinero en internet</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Dado, aún sin tirar</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>El dado muestra un %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>El programa ya se está ejecutando.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Introduce dos direcciones de correo electrónico distintas.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Introduce una dirección de correo electrónico válida.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Introduce tu nombre.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Introduce tu dirección de correo electrónico.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escribe tu mensaje.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Introduce el nombre de tu amigo.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Introduce la dirección de correo electrónico de tu amigo.</translation>
    </message>
</context>
</TS>
