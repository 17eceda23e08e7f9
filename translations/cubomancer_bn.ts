<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_BD">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>চারবার পাশা চালুন আর ভবিষ্যদ্বাণী জেনে নিন</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer ভাগ্য গণনার একটি ছোট্ট খেলনা। একটি সমস্যার কথা ভাবুন, একটি বোতাম টিপে একটি পাশা চারবার চালুন, আর ষোলোটি ছোট ভবিষ্যদ্বাণীর একটি পান: জোড় ও বিজোড় দানের বিন্যাসই ঠিক করে কোন ভবিষ্যদ্বাণী আসবে।</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>এর মেনু ও লিংকগুলো নির্মাতার ওয়েব পেজ (অনলাইন সহায়তা, আপডেট, অনুদান) আপনার ডিফল্ট ব্রাউজারে খোলে; প্রোগ্রামটি নিজে কখনো নেটওয়ার্কে যোগাযোগ করে না। এটি বন্ধ করলে একটি বিদায় পর্দায় বন্ধুকে প্রোগ্রামটির কথা জানানোর একটি ফর্ম আসে: এটি নির্মাতার ওয়েবসাইটের এমন একটি পেজ খোলে, যার ঠিকানায় আপনার ও আপনার বন্ধুর নাম আর ইমেল ঠিকানা থাকে। দুই সপ্তাহে একবার প্রোগ্রামটি জানতে চায় আপডেট খোঁজা হবে কি না। এক বার চালানো থেকে পরের বার পর্যন্ত এটি শুধু সেই প্রশ্নের তারিখটুকু সংরক্ষণ করে।</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>চারবার পাশা চালানোর জন্য প্রস্তুত মূল উইন্ডো</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>“সফটওয়্যার সম্পর্কে” উইন্ডো</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>মূল উইন্ডো বন্ধ হলে যে বিদায় পর্দা দেখা যায়</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>পাশায় ভাগ্য গণনা</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>চারবার পাশা চালিয়ে আপনার সমস্যার ভবিষ্যদ্বাণী জেনে নিন</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>পাশা;ছক্কা;ভাগ্য;ভবিষ্যদ্বাণী;ভাগ্য গণনা;গণনা;dice;oracle;fortune;</translation>
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
        <translation>হ্যাঁ(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>না(&amp;N)</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>আপনি নারীশক্তিতে পরিপূর্ণ। মানুষের যত্ন নেওয়ার দিকে আপনার ঝোঁক আছে। এখনই নিজের অন্তরের সঙ্গে যোগ গড়ার সঠিক সময়।</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>আপনি পুরুষশক্তিতে পরিপূর্ণ। আপনার মধ্যে প্রচুর শক্তি আর লক্ষ্য পূরণের তীব্র তাগিদ আছে। এখনই স্বপ্নকে কাজে রূপ দেওয়ার সঠিক সময়।</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>পরিকল্পনাটি নিয়ে আপনার ভাবনা খুব ভালো। একে বাস্তবে রূপ দিন, সাফল্য নিশ্চিত।</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>হয়তো কোনো সমস্যা আপনাকে এগোতে বাধা দিচ্ছে। তা নিয়ে ভাবুন এবং সাফল্যের জন্য ভারসাম্য আনুন।</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>এখন আপনার সব প্রচেষ্টা একসঙ্গে কাজে লাগানোর সময়। ধৈর্য ধরুন, আপনার পরিশ্রম ফল দেবে।</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>অন্তর্দৃষ্টির পাশাপাশি আপনার মনের বাস্তববাদী দিকটিও গড়ে তুলুন।</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>আপনার অন্তর্দৃষ্টি খুব প্রবল, কিন্তু আপনার সিদ্ধান্ত সবসময় বাস্তবসম্মত হয় না। গুরুত্বপূর্ণ সিদ্ধান্ত নেওয়ার আগে দুবার ভাবুন।</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>এই মুহূর্তে আপনার মধ্যে বেশ ভারসাম্য আছে। হাতের কাজ নিয়ে এগোনোর আগে সব সুবিধার কথা ভেবে নিন।</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>যে শক্তিগুলো আপনার ওপর প্রভাব খাটাচ্ছে, সেগুলোর কথা ভাবুন। দেখুন সেগুলো কীভাবে আপনাকে সাহায্য করেছে, তারপর সেই অনুযায়ী সিদ্ধান্ত নিন।</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>আপনার স্বপ্ন পূরণ প্রায় চোখের সামনে। কিন্তু সবকিছু ঠিকঠাক নেই। আপনাকে আরও ভারসাম্য আনতে হবে।</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>আপনার ভিত মজবুত, কিন্তু নিজের ভাবনা ও দৃষ্টিভঙ্গি আরও প্রসারিত করতে হবে।</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>আপনার অন্তর্দৃষ্টির শক্তি বাড়ান। সব ভয় ও দ্বিধা দূর করুন। যত এগোবেন, প্রয়োজনীয় সব সাহায্য পাবেন।</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>কাজ শেষ করতে মন ও আত্মার সঠিক মেলবন্ধন ঘটানোর চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>যথেষ্ট সাবধান না হলে আপনার পরিকল্পনা ভেস্তে যেতে পারে।</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>আপনার ভিত মজবুত আর মন খোলা। সব ভয় ঝেড়ে ফেলে আকাশ ছোঁয়ার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>আপনি নিজেকে দুশ্চিন্তা আর উদ্বেগের নিচে চাপা দিয়ে ফেলেছেন। লক্ষ্য আপনার চোখের আড়ালে চলে গেছে। জীবনে এগিয়ে যেতে এই দুশ্চিন্তা থেকে বেরিয়ে আসুন।</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>আপনার নাম</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>আপনার ইমেল ঠিকানা</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>বন্ধুর নাম</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>বন্ধুর ইমেল ঠিকানা</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>আপনার বার্তা</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>%Ln বার পাশা চালা হয়েছে</numerusform>
            <numerusform>%Ln বার পাশা চালা হয়েছে</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>%Ln বার পাশা চালা হয়েছে</numerusform>
            <numerusform>%Ln বার পাশা চালা হয়েছে</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>পাশা চালুন(&amp;R)</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>ফলাফল দেখুন</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>পাশা চালুন</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer চলছে। এটি বন্ধ করে “পুনরায় চেষ্টা করুন” বেছে নিন।</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>এই সফটওয়্যারের একটি আপডেট পাওয়া যেতে পারে।
আপনি কি আপডেট খুঁজতে চান?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer ভাগ্য গণনার একটি সহজ সরঞ্জাম, যা আপনার প্রতিদিনের সমস্যার সমাধান খুঁজতে সাহায্য করে।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>ঘরে বসে ইন্টারনেট ব্যবসা: আপনার ওয়েবসাইটের ব্র্যান্ডে এই সফটওয়্যারটি নিয়ে আয় করুন।</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>বিস্তারিত জানুন</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>%1 দেখুন</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>এখনই Omenhall-এ যেতে এখানে ক্লিক করুন</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>প্রস্থান(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>বন্ধুকে জানান</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>এখনই বন্ধুকে জানান(&amp;N)</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Augury Softwares ডাউনলোড করুন</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>এখানে ক্লিক করে Augury Softwares-এর প্রোগ্রাম দেখুন</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Augury Softwares-এর এমন প্রোগ্রাম কেবল আপনার সহায়তাতেই তৈরি ও রক্ষণাবেক্ষণ করা যায়। Omenhall-কে সহায়তার সেরা উপায়: নিয়মিত Omenhall-এ আসুন এবং ফোরামের আলোচনা ও অন্যান্য কার্যক্রমে অংশ নিন।</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>নিয়মিত Omenhall-এ আসুন। আলোচনা ও অন্যান্য কার্যক্রমে অংশ নিয়ে Omenhall-এর পাশে থাকুন। আপনি নিয়মিত না এলে এই প্রোগ্রামগুলো চালু রাখা ও রক্ষণাবেক্ষণ করা সম্ভব নয়।</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall রহস্যময় সবকিছু নিয়ে একটি বিনামূল্যের অনলাইন আলোচনা ফোরাম। এই সফটওয়্যারের উন্নয়ন ও রক্ষণাবেক্ষণে সাহায্য করতে নিয়মিত Omenhall-এ আসুন।</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall-এর আপনার সাহায্য দরকার। শুধু নিয়মিত Omenhall-এ আসুন আর নানা আলোচনা ও কার্যক্রমে অংশ নিন, যাতে আমরা Augury Softwares-এর প্রোগ্রাম চালু রাখতে ও আরও নতুন প্রোগ্রাম তৈরি করতে পারি।</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>এই সফটওয়্যারটি ভালো লেগে থাকলে Augury Softwares-এর আমাদের অন্যান্য প্রোগ্রামও নিশ্চয়ই আপনার ভালো লাগবে। একটিমাত্র সফটওয়্যার দিয়ে শুরু করে আজ আমাদের কাছে ভাগ্য গণনার সফটওয়্যারের বিশ্বের বৃহত্তম সংগ্রহ। জ্যোতিষ, অতীন্দ্রিয় শক্তি, ট্যারট, সংখ্যাতত্ত্ব বা গুহ্যবিদ্যা, সব ক্ষেত্রেই আমাদের প্রোগ্রাম আছে, তাই আপনি নিজের আগ্রহ অনুযায়ী বেছে নিতে পারেন।</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Augury Softwares-এর সব প্রোগ্রাম সরল ও ব্যবহার করা সহজ, মজারও আবার তথ্যবহুলও। আজই ব্যবহার করে দেখুন এবং বন্ধু ও পরিবারের সঙ্গে অভিজ্ঞতা ভাগ করে নিন।</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>ইমেল ঠিকানায় স্পেস থাকতে পারে না।</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>রহস্য-জগতের সবচেয়ে জনপ্রিয় অনলাইন আলোচনা ফোরাম, রহস্যময় সবকিছুর সেরা উৎস। এখনই Omenhall-এ যান</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>পাশা চালুন</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>সমস্যাটির কথা ভেবে ধ্যান করুন। তারপর চোখ খুলে “পাশা চালুন”-এ ক্লিক করুন।</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Cubomancer-এর ফলাফল</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>পিছনে(&amp;B)</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>অফার</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>ঘরে বসে ব্যবসার সুযোগ: নিজের ইন্টারনেট ব্যবসা শুরু করে অনলাইনে আয় করুন। আপনার ওয়েবসাইটের পুরো ব্র্যান্ডিংসহ এই সফটওয়্যারটি নিন। বিস্তারিত জানতে এখানে ক্লিক করুন।</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>এই সফটওয়্যারে আপনার সাইটের ব্র্যান্ড যুক্ত করে আরও ভিজিটর আনুন: এখানে থাকবে সাইটের নাম &amp;&amp; লিংক। বিস্তারিত “সহায়তা”-য়। কো-ব্র্যান্ডিং সম্পর্কে জানতে এখানে ক্লিক করুন।</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ফাইল(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>সহায়তা(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>প্রস্থান(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>অনলাইন সহায়তা(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>আমাদের ওয়েবসাইট দেখুন(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>সফটওয়্যার আপডেট খুঁজুন(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>সফটওয়্যার সম্পর্কে(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>দান করুন(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>অনলাইনে আয় করুন(&amp;O)</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>পাশা, এখনো চালা হয়নি</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>পাশায় উঠেছে %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>প্রোগ্রামটি আগে থেকেই চলছে।</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>অনুগ্রহ করে আলাদা আলাদা ইমেল ঠিকানা লিখুন।</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>অনুগ্রহ করে সঠিক ইমেল ঠিকানা লিখুন।</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>অনুগ্রহ করে আপনার নাম লিখুন।</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>অনুগ্রহ করে আপনার ইমেল ঠিকানা লিখুন।</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>অনুগ্রহ করে আপনার বার্তা লিখুন।</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>অনুগ্রহ করে আপনার বন্ধুর নাম লিখুন।</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>অনুগ্রহ করে আপনার বন্ধুর ইমেল ঠিকানা লিখুন।</translation>
    </message>
</context>
</TS>
