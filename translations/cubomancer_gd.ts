<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gd_GB">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Tilg dìsne ceithir tursan is faigh fàisneachd</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>’S e dèideag fiosachd bheag a th’ ann an Cubomancer. Smaoinich air duilgheadas, tilg dìsne ceithir tursan le putan is gheibh thu tè de shia fàisneachdan goirid deug: nì na h-àireamhan corra is cothromach pàtran a thaghas an fhàisneachd.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Fosglaidh na clàran-taice is na ceanglaichean aige duilleagan-lìn an dèanadair (cobhair air loidhne, ùrachaidhean, tabhartasan) sa bhrabhsair bhunaiteach agad; cha bhruidhinn am prògram fhèin ris an lìonra idir. Nuair a dhùineas tu e, nochdaidh sgrìn soraidh le foirm gus am prògram a mholadh do charaid: fosglaidh e duilleag air làrach-lìn an dèanadair agus bidh d’ ainm is do sheòladh puist-d is feadhainn do charaid na seòladh. Turas gach cola-deug, faighnichidh am prògram am bu chòir dha lorg a dhèanamh airson ùrachadh. Chan eil e a’ cumail dad eadar dà ruith ach ceann-là na ceiste sin.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>A’ phrìomh-uinneag, deiseil airson nan ceithir tilgeil</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Am bogsa “Mu dhèidhinn”</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>An sgrìn soraidh a nochdas nuair a dhùineas a’ phrìomh-uinneag</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Fàisneachd dìsne</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Tilg dìsne ceithir tursan is faigh fàisneachd mu do dhuilgheadas</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>dìsne;dìsnean;disne;fiosachd;fàisneachd;fortan;dice;oracle;</translation>
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
        <translation>&amp;Tha</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Chan eil</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Tha thu làn de lùth boireannta. Tha thu buailteach a bhith a’ coimhead às dèidh dhaoine eile. Seo an t-àm ceart airson ceangal a dhèanamh ri do spiorad a-staigh.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Tha thu làn de lùth fireannta. Tha neart mòr annad agus miann làidir na h-amasan agad a choileanadh. Seo an t-àm ceart airson na bruadaran agad a chur an gnìomh.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Tha dealbh glè mhath agad dhen phròiseact. Cuir an gnìomh e agus soirbhichidh leat gun teagamh.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Dh’fhaoidte gu bheil rudeigin gad chumail air ais. Smaoinich air agus lorg an cothromachadh ceart gus soirbheachadh.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Seo an t-àm airson do spàirn uile a chur còmhla. Bi foighidneach agus thig toradh air an obair agad.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Leasaich d’ iomas còmhla ris an taobh phractaigeach de d’ inntinn.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Tha d’ iomas glè làidir. Dh’fhaoidte nach bi gach co-dhùnadh agad practaigeach. Smaoinich gu math mus dèan thu co-dhùnaidhean cudromach.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Tha thu air do dheagh chothromachadh an-dràsta. Smaoinich air na buannachdan uile mus tòisich thu air na h-obraichean a tha romhad.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Smaoinich air na feachdan uile a tha gad riaghladh. Faic mar a chuidich na feachdan seo thu agus dèan do cho-dhùnaidhean a rèir sin.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Chì thu gu bheil do lèirsinn faisg air a coileanadh. Ach chan eil a h-uile càil ceart fhathast. Feumaidh tu barrachd cothromachaidh a lorg.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Tha bunait làidir agad ach feumaidh tu do bheachdan is do shealladh a leudachadh.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Leasaich do chomasan iomais. Cuir cùl ri gach eagal is bacadh. Fhad ’s a thèid thu air adhart, gheibh thu gach cobhair a tha a dhìth ort.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Feuch an lorg thu an co-chothrom ceart eadar inntinn is spiorad gus an obair agad a choileanadh.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Dh’fhaoidte gun tèid do phlana a dhìth mura bi thu faiceallach.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Tha bunait làidir agad agus inntinn fhosgailte. Tilg air falbh gach eagal agus sìn a-mach gu na reultan.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Tha thu air thu fhèin a thìodhlacadh fo dhraghan is teannachadh. Chaill thu sealladh air an amas agad. Fàg na draghan seo air do chùlaibh gus soirbheachadh nad bheatha.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>D’ ainm</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Do sheòladh puist-d</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Ainm do charaid</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Seòladh puist-d do charaid</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>An teachdaireachd agad</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>Thilg thu %n turas</numerusform>
            <numerusform>Thilg thu %n thuras</numerusform>
            <numerusform>Thilg thu %n tursan</numerusform>
            <numerusform>Thilg thu %n turas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>Thilg thu %n turas</numerusform>
            <numerusform>Thilg thu %n thuras</numerusform>
            <numerusform>Thilg thu %n tursan</numerusform>
            <numerusform>Thilg thu %n turas</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>Tilg an &amp;dìsne</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Seall an toradh</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Tilg an dìsne</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Tha Cubomancer a’ ruith. Dùin e agus tagh “Feuch ris a-rithist” an uairsin.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Dh’fhaoidte gu bheil ùrachadh ri fhaighinn airson a’ phrògraim seo.
A bheil thu airson ùrachadh a lorg?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>’S e inneal fiosachd simplidh a th’ ann an Cubomancer a chuidicheas thu gus fuasglaidhean a lorg dha na duilgheadasan làitheil agad.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Obair aig an taigh: tòisich gnìomhachas air loidhne is dèan airgead. Am prògram seo le do bhrannd fhèin.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Barrachd fiosrachaidh</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Ceart ma-thà</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Briog an-seo airson tadhal air %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Briog an-seo is tadhail air Omenhall</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Fàg an-seo</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Mol do charaid</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Mol e an-dràsta</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Prògraman o Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Tadhail air Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Cha ghabh prògraman o Augury Softwares mar am fear seo a chruthachadh ’s a chumail suas ach le do thaic. ’S e an dòigh as fheàrr air taic a chur ri Omenhall tadhal air an fhòram gu tric agus pàirt a ghabhail sna deasbadan is sna gnìomhan eile.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Tadhail air Omenhall gu tric. Cuir taic ri Omenhall le bhith a’ gabhail pàirt sna deasbadan is sna gnìomhan eile. Cha ghabh na prògraman seo a chumail suas mura tadhail thu air Omenhall gu cunbhalach.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>’S e fòram deasbaid air loidhne a th’ ann an Omenhall a tha saor ’s an asgaidh, mu gach nì dìomhair. Tadhail air Omenhall gu tric gus taic a chur ri leasachadh is cumail suas a’ phrògraim seo.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Tha feum aig Omenhall air do chuideachadh. Chan fheum thu ach tadhal air gu tric is pàirt a ghabhail sna deasbadan is sna gnìomhan. Cuidichidh sin leinn prògraman o Augury Softwares a chumail suas is feadhainn ùra a leasachadh.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Ma chòrd am prògram seo riut, bidh ùidh agad gun teagamh sna prògraman eile againn o Augury Softwares. Thòisich sinn le aon phrògram agus a-nis tha an cruinneachadh as motha san t-saoghal de phrògraman fiosachd againn. Reul-eòlas, dà-shealladh, tarot, eòlas-àireamh no an dìomhaireachd: tha prògraman againn anns gach raon, a-rèir d’ ùidhean.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Tha gach prògram o Augury Softwares simplidh is furasta a chleachdadh. Tha iad spòrsail ach cuideachd glè fhiosrachail. Feuch iad an-diugh fhèin is innis do charaidean is do theaghlach mar a chòrd iad riut. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Chan fhaod beàrn a bhith ann an seòladh puist-d.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Am fòram dìomhaireachd air loidhne as fhèillmhoire. An goireas as fheàrr airson gach nì dìomhair. Tadhail air Omenhall an-dràsta</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Tilg an dìsne</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Smaoinich air do dhuilgheadas is dèan meòrachadh. Fosgail do shùilean is tilg an dìsne.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Toradh Cubomancer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Air &amp;ais</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Tairgsean</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Obair aig an taigh: tòisich gnìomhachas air an eadar-lìon is dèan airgead air loidhne. Am prògram seo le do bhrannd fhèin air an làrach agad. Briog an-seo airson barrachd fiosrachaidh.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Cuir do bhrannd fhèin air a’ phrògram seo: barrachd dìlseachd is trafaig dhan làrach agad. Ainm &amp;&amp; ceangal na làraich agad an-seo. Faic “Cobhair”. Briog an-seo airson barrachd mu cho-bhrannd.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Faidhle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Cobhair</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Fàg an-seo</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Cobhair air loidhne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Tadhail air an làrach-lìn againn</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Lorg ùrachaidhean</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Mun phrògram</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Tabhartas</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Airgead air &amp;loidhne</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Dìsne, gun tilgeil fhathast</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>Tha %1 air an dìsne</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Tha am prògram a’ ruith mu thràth.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Cuir a-steach dà sheòladh puist-d eadar-dhealaichte.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Cuir a-steach seòladh puist-d dligheach.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Cuir a-steach d’ ainm.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Cuir a-steach do sheòladh puist-d.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Cuir a-steach do theachdaireachd.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Cuir a-steach ainm do charaid.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Cuir a-steach seòladh puist-d do charaid.</translation>
    </message>
</context>
</TS>
