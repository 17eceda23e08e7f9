<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>पासा चार बार फेंकें और अपना फलादेश पाएँ</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer भविष्य बताने वाला एक छोटा-सा खिलौना है। मन में कोई समस्या सोचें, एक बटन से पासा चार बार फेंकें और सोलह छोटे फलादेशों में से एक पाएँ: सम और विषम अंकों से बना क्रम तय करता है कि कौन-सा फलादेश मिलेगा।</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>इसके मेनू और लिंक निर्माता के वेब पेज (ऑनलाइन सहायता, अपडेट, दान) आपके डिफ़ॉल्ट ब्राउज़र में खोलते हैं; प्रोग्राम स्वयं कभी नेटवर्क से संपर्क नहीं करता। इसे बंद करने पर एक विदाई स्क्रीन प्रोग्राम को किसी मित्र को सुझाने का फ़ॉर्म दिखाती है: यह निर्माता की वेबसाइट का एक पेज खोलता है, जिसके पते में आपका और आपके मित्र का नाम व ईमेल पता होता है। हर दो सप्ताह में एक बार प्रोग्राम पूछता है कि क्या अपडेट की जाँच की जाए। एक बार चलने से अगली बार तक यह केवल उसी प्रश्न की तारीख़ सहेजता है।</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>चार बार पासा फेंकने के लिए तैयार मुख्य विंडो</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>“सॉफ़्टवेयर के बारे में” विंडो</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>मुख्य विंडो बंद होने पर दिखने वाली विदाई स्क्रीन</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>पासे से भविष्यवाणी</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>पासा चार बार फेंकें और अपनी समस्या का फलादेश पाएँ</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>पासा;पासे;भविष्य;भविष्यवाणी;फलादेश;शकुन;भाग्य;dice;oracle;fortune;</translation>
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
        <translation>हाँ(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं(&amp;N)</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>आप स्त्री-ऊर्जा से भरपूर हैं। आपका मन लोगों की देखभाल की ओर झुका है। यह अपने अंतर्मन से जुड़ने का सही समय है।</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>आप पुरुष-ऊर्जा से भरपूर हैं। आपमें भरपूर शक्ति है और अपने लक्ष्य पाने की तीव्र इच्छा है। यह अपने सपनों को साकार करने का सही समय है।</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>आपकी योजना की रूपरेखा बहुत अच्छी है। इसे अमल में लाएँ, सफलता निश्चित है।</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>शायद कोई बात आपको आगे बढ़ने से रोक रही है। उस पर विचार करें और सफलता के लिए संतुलन बनाएँ।</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>यह अपने सारे प्रयास एकजुट करने का समय है। धैर्य रखें, आपकी मेहनत रंग लाएगी।</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>अपने अंतर्ज्ञान के साथ-साथ अपनी सोच के व्यावहारिक पक्ष को भी निखारें।</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>आपका अंतर्ज्ञान बहुत प्रबल है, पर आपके निर्णय हमेशा व्यावहारिक नहीं होते। महत्वपूर्ण निर्णय लेने से पहले दो बार सोचें।</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>इस समय आप अच्छी तरह संतुलित हैं। हाथ में लिए कामों को आगे बढ़ाने से पहले उनके सभी लाभों पर विचार करें।</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>उन सभी शक्तियों के बारे में सोचें जो आप पर हावी हैं। देखें कि इन शक्तियों ने आपकी कैसे मदद की है, फिर उसी के अनुसार निर्णय लें।</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>आपका सपना पूरा होने के करीब दिख रहा है, पर अभी सब कुछ ठीक नहीं है। आपको और बेहतर संतुलन बनाना होगा।</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>आपकी नींव मज़बूत है, पर आपको अपने विचारों और दृष्टिकोण को और व्यापक बनाना होगा।</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>अपनी अंतर्ज्ञान-शक्ति विकसित करें। अपने सारे डर और झिझक दूर करें। आगे बढ़ने पर आपको हर ज़रूरी मदद मिलेगी।</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>अपना काम पूरा करने के लिए मन और आत्मा का सही तालमेल बनाने की कोशिश करें।</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>पूरी सावधानी न बरतने पर आपकी योजना बिखर सकती है।</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>आपकी नींव मज़बूत है और मन खुला है। अपने सारे डर त्याग दें और आसमान छूने का प्रयास करें।</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>आपने ख़ुद को चिंताओं और तनाव के बोझ तले दबा लिया है। आपका लक्ष्य आपकी नज़र से ओझल हो गया है। जीवन में आगे बढ़ने के लिए इन चिंताओं से बाहर निकलें।</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>आपका नाम</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>आपका ईमेल पता</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>मित्र का नाम</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>मित्र का ईमेल पता</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>आपका संदेश</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>पासा %Ln बार फेंका गया</numerusform>
            <numerusform>पासा %Ln बार फेंका गया</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>पासा %Ln बार फेंका गया</numerusform>
            <numerusform>पासा %Ln बार फेंका गया</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>पासा फेंकें(&amp;R)</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>परिणाम देखें</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>पासा फेंकें</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer अभी चल रहा है। इसे बंद करें, फिर “पुनः प्रयास करें” चुनें।</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>इस सॉफ़्टवेयर का कोई नया अपडेट उपलब्ध हो सकता है।
क्या अपडेट की जाँच करें?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer भविष्य जानने का एक सरल साधन है, जो रोज़मर्रा की समस्याओं का हल खोजने में आपकी मदद करता है।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर बैठे इंटरनेट व्यवसाय से कमाएँ: यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ।</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>अधिक जानकारी यहाँ देखें</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>%1 पर जाएँ</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>अभी Omenhall पर जाने के लिए क्लिक करें</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>मित्र को सुझाएँ</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>अभी मित्र को सुझाएँ(&amp;N)</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Augury Softwares डाउनलोड करें</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>यहाँ क्लिक करके Augury Softwares के सभी प्रोग्राम देखें</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Augury Softwares के ऐसे प्रोग्राम आपके सहयोग से ही बनते और चलते हैं। Omenhall का साथ देने का सबसे अच्छा तरीका है: नियमित रूप से Omenhall पर आएँ और फ़ोरम की चर्चाओं व गतिविधियों में भाग लें।</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>नियमित रूप से Omenhall पर आएँ। चर्चाओं और अन्य गतिविधियों में भाग लेकर Omenhall का साथ दें। आपके नियमित आए बिना इन प्रोग्रामों को चलाए रखना संभव नहीं है।</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall रहस्य-जगत की हर बात पर चर्चा का एक निःशुल्क ऑनलाइन फ़ोरम है। इस सॉफ़्टवेयर के विकास और रखरखाव में मदद के लिए नियमित रूप से Omenhall पर आएँ।</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall को आपकी मदद चाहिए। बस नियमित रूप से Omenhall पर आएँ और चर्चाओं व गतिविधियों में भाग लें, ताकि हम Augury Softwares के प्रोग्राम चलाए रख सकें और नए बना सकें।</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>अगर आपको यह सॉफ़्टवेयर पसंद आया, तो Augury Softwares के हमारे दूसरे प्रोग्राम भी आपको ज़रूर भाएँगे। एक प्रोग्राम से शुरू होकर आज हमारे पास भविष्य-कथन सॉफ़्टवेयर का दुनिया का सबसे बड़ा संग्रह है। ज्योतिष, अतींद्रिय ज्ञान, टैरो, अंकशास्त्र या गूढ़ विद्या, हर क्षेत्र के प्रोग्राम हमारे पास हैं, ताकि आप अपनी रुचि के अनुसार चुन सकें।</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Augury Softwares के सभी प्रोग्राम सरल और इस्तेमाल में आसान हैं, मनोरंजक भी और ज्ञानवर्धक भी। आज ही इन्हें आज़माएँ और अपना अनुभव दोस्तों व परिवार के साथ साझा करें।</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>ईमेल पते में स्पेस नहीं हो सकता।</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>रहस्य-जगत का सबसे लोकप्रिय ऑनलाइन चर्चा मंच, रहस्य से जुड़ी हर बात का सबसे अच्छा स्रोत। अभी Omenhall पर जाएँ</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>पासा फेंकें</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>अपनी समस्या पर ध्यान लगाएँ। फिर आँखें खोलें और “पासा फेंकें” पर क्लिक करें।</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Cubomancer का फलादेश</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस(&amp;B)</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>ऑफ़र</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर बैठे व्यवसाय का अवसर: अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाएँ। यह सॉफ़्टवेयर अपनी वेबसाइट के ब्रांड के साथ पाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>इस सॉफ़्टवेयर पर अपनी साइट का ब्रांड लगाएँ और साइट पर ज़्यादा विज़िटर पाएँ: यहाँ आपकी साइट का नाम &amp;&amp; लिंक होगा। विवरण “सहायता” में देखें। सह-ब्रांडिंग की जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट पर जाएँ(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>सॉफ़्टवेयर अपडेट की जाँच करें(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन पैसे कमाएँ(&amp;O)</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>पासा, अभी फेंका नहीं गया</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>पासे पर %1 आया</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>यह प्रोग्राम पहले से चल रहा है।</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>कृपया अलग-अलग ईमेल पते दर्ज करें।</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>कृपया सही ईमेल पता दर्ज करें।</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया अपना नाम दर्ज करें।</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>कृपया अपना ईमेल पता दर्ज करें।</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>कृपया अपना संदेश दर्ज करें।</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>कृपया अपने मित्र का नाम दर्ज करें।</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>कृपया अपने मित्र का ईमेल पता दर्ज करें।</translation>
    </message>
</context>
</TS>
