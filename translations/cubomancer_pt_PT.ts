<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Lance um dado quatro vezes e receba uma previsão</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>O Cubomancer é um pequeno brinquedo de adivinhação. Pense num problema, lance um dado quatro vezes com um botão e receba uma de dezasseis previsões curtas: os lançamentos pares e ímpares formam um padrão que escolhe a previsão.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Os menus e as ligações do programa abrem as páginas Web do autor (ajuda online, atualizações, donativos) no navegador predefinido; o próprio programa nunca comunica com a rede. Ao fechá-lo, um ecrã de despedida apresenta um formulário para recomendar o programa a um amigo: este abre uma página do site do autor cujo endereço contém o seu nome e endereço de e-mail, bem como os do seu amigo. De duas em duas semanas, o programa pergunta se deve procurar uma atualização. A única coisa que guarda entre utilizações é a data dessa pergunta.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>A janela principal, pronta para os quatro lançamentos</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>A caixa «Acerca de»</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>O ecrã de despedida, apresentado ao fechar a janela principal</translation>
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
        <translation>Lance um dado quatro vezes e receba uma previsão para o seu problema</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>dados;dado;oráculo;sorte;adivinhação;previsão;destino;dice;oracle;</translation>
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
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Transborda energia feminina e tem tendência para cuidar dos outros. Este é o momento certo para se ligar ao seu eu interior.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Transborda energia masculina. Tem muita força e vontade de alcançar os seus objetivos. Este é o momento certo para pôr os seus sonhos em prática.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Visualiza muito bem o seu projeto. Ponha-o em prática e o sucesso estará garantido.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Talvez haja algo a travar o seu avanço. Pense nisso e procure o equilíbrio para ter sucesso.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Este é o momento de unir todos os seus esforços. Tenha paciência e o seu trabalho dará frutos.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Desenvolva a sua intuição a par do lado prático da sua mente.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>A sua intuição é muito forte, mas as suas decisões nem sempre são práticas. Pense duas vezes antes de tomar decisões importantes.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Neste momento, está em equilíbrio. Pense em todas as vantagens antes de avançar com as tarefas que tem em mãos.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Pense em todas as forças que exercem domínio sobre si. Veja de que forma estas forças lhe foram úteis e tome as suas decisões em conformidade.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Vê o seu objetivo prestes a concretizar-se, mas nem tudo está bem. Terá de encontrar um melhor equilíbrio.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Tem uma base sólida, mas terá de alargar as suas ideias e os seus pontos de vista.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Desenvolva os seus poderes intuitivos. Liberte-se de todos os medos e inibições. À medida que avançar, receberá toda a ajuda de que precisa.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Procure a combinação certa entre mente e espírito para concluir o seu trabalho.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>O seu plano pode desmoronar-se se não tiver muito cuidado.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Tem alicerces firmes e uma mente aberta. Deixe todos os medos para trás e aponte às estrelas.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Enterrou-se em preocupações e tensões e perdeu o seu objetivo de vista. Liberte-se dessas preocupações para brilhar na vida.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>O seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>O seu endereço de e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do seu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do seu amigo</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>A sua mensagem</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>Lançamentos: %n</numerusform>
            <numerusform>Lançamentos: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>Lançamentos: %n</numerusform>
            <numerusform>Lançamentos: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Lançar o dado</translation>
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
        <translation>Lançar o dado</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>O Cubomancer está em execução. Feche-o e escolha «Repetir».</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Poderá existir uma atualização disponível para este programa.
Pretende procurar atualizações?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>O Cubomancer é um oráculo simples que ajuda a encontrar soluções para os problemas do dia a dia.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Negócio a partir de casa: crie o seu próprio negócio na Internet e ganhe dinheiro online. Este programa com a sua marca, para o seu site.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Saiba mais</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Clique aqui para visitar %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Clique aqui e visite já o Omenhall</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomendar a um amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomendar agora</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Transferências Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Visite a Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Programas da Augury Softwares como este só podem ser criados e mantidos com o seu apoio. A melhor forma de apoiar o Omenhall é visitá-lo regularmente e participar nas discussões e noutras atividades do fórum.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Visite o Omenhall regularmente. Apoie o Omenhall participando nas discussões e noutras atividades. Sem as suas visitas regulares ao Omenhall, não é possível manter estes programas.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>O Omenhall é um fórum online gratuito sobre tudo o que é místico. Para ajudar o Omenhall a desenvolver e manter este programa, visite o Omenhall regularmente.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>O Omenhall precisa da sua ajuda. Basta visitar o Omenhall regularmente e participar nas várias discussões e atividades para nos ajudar a manter e a criar mais programas da Augury Softwares.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Se gostou deste programa, vai certamente interessar-se pelos outros programas da Augury Softwares. Começámos com um único programa e hoje somos a maior coleção de programas de adivinhação do mundo. Astrologia, vidência, tarot, numerologia ou ocultismo: temos programas para todos os gostos.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Todos os programas da Augury Softwares são simples e fáceis de utilizar. Além de divertidos, são muito informativos. Experimente-os hoje mesmo e partilhe a sua experiência com os amigos e a família. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O endereço de e-mail não pode conter espaços.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>O fórum místico mais popular da Internet. A melhor fonte para tudo o que é místico. Visite já o Omenhall</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Lançar o dado</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Pense no seu problema e medite. Depois, abra os olhos e clique em «Lançar o dado».</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Resultado do Cubomancer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Ofertas</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Negócio a partir de casa: crie o seu próprio negócio na Internet e ganhe dinheiro online. Este programa com a sua marca, para o seu site. Saiba mais.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Coloque a marca do seu site neste programa: mais fidelização e mais tráfego. Aqui aparecerão o nome &amp;&amp; a ligação do seu site. Detalhes em «Ajuda». Clique para saber mais sobre co-branding.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar o nosso site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Procurar atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca do programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganhar dinheiro online</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Dado ainda não lançado</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>O dado mostra %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>O programa já está em execução.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Introduza dois endereços de e-mail diferentes.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Introduza um endereço de e-mail válido.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Introduza o seu nome.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Introduza o seu endereço de e-mail.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Introduza a sua mensagem.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Introduza o nome do seu amigo.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Introduza o endereço de e-mail do seu amigo.</translation>
    </message>
</context>
</TS>
