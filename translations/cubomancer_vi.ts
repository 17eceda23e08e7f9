<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VN">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Gieo xúc xắc bốn lần và nhận một lời bói</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer là một món đồ chơi bói toán nhỏ. Hãy nghĩ về một vấn đề, bấm nút để gieo một con xúc xắc bốn lần và nhận một trong mười sáu lời bói ngắn: các lần gieo ra số lẻ hay số chẵn tạo thành một chuỗi quyết định lời bói.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Các menu và liên kết của chương trình mở trang web của nhà phát triển (trợ giúp trực tuyến, bản cập nhật, quyên góp) trong trình duyệt mặc định của bạn; bản thân chương trình không bao giờ kết nối mạng. Khi bạn đóng chương trình, màn hình chia tay có một biểu mẫu để giới thiệu chương trình cho bạn bè: biểu mẫu này mở một trang trên website của nhà phát triển, với địa chỉ chứa tên và địa chỉ email của bạn và của người bạn. Cứ hai tuần một lần, chương trình hỏi bạn có muốn kiểm tra bản cập nhật không. Thứ duy nhất chương trình lưu lại giữa các lần chạy là ngày của câu hỏi đó.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Cửa sổ chính, sẵn sàng cho bốn lần gieo</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Hộp thoại Giới thiệu</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Màn hình chia tay hiện ra khi đóng cửa sổ chính</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Bói xúc xắc</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Gieo xúc xắc bốn lần để nhận lời bói cho vấn đề của bạn</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>xúc xắc;xí ngầu;bói;bói toán;tiên tri;vận mệnh;quẻ;xuc xac;boi;dice;oracle;fortune;</translation>
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
        <translation>&amp;Có</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Không</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Bạn tràn đầy năng lượng nữ tính. Bạn có thiên hướng chăm sóc mọi người. Đây là lúc thích hợp để kết nối với thế giới nội tâm của mình.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Bạn tràn đầy năng lượng nam tính. Bạn tràn trề sức mạnh và khao khát đạt được mục tiêu. Đây là lúc thích hợp để biến ước mơ thành hành động.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Bạn đã hình dung dự án rất tốt. Hãy bắt tay thực hiện và tin chắc rằng bạn sẽ thành công.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Có thể có điều gì đó đang cản bước bạn tiến lên. Hãy suy nghĩ về nó và cân bằng lại để thành công.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Đây là lúc dồn mọi nỗ lực lại với nhau. Hãy kiên nhẫn, công sức của bạn sẽ đơm hoa kết trái.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Hãy phát triển trực giác song song với óc thực tế của bạn.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Trực giác của bạn rất mạnh, nhưng không phải quyết định nào của bạn cũng thực tế. Hãy cân nhắc kỹ trước khi đưa ra những quyết định quan trọng.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Hiện giờ bạn đang rất cân bằng. Hãy nghĩ đến mọi lợi ích trước khi bắt tay vào công việc trước mắt.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Hãy nghĩ về mọi thế lực đang chi phối bạn. Xem những thế lực ấy đã giúp bạn ra sao, rồi quyết định cho phù hợp.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Bạn thấy điều mình hình dung sắp thành hiện thực. Nhưng mọi thứ chưa hoàn toàn ổn. Bạn cần giữ cân bằng tốt hơn.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Bạn có nền tảng vững chắc nhưng cần mở rộng ý tưởng và quan điểm của mình.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Hãy phát triển năng lực trực giác. Gạt bỏ mọi nỗi sợ hãi và e ngại. Khi tiến bước, bạn sẽ nhận được mọi sự giúp đỡ mình cần.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Hãy cố gắng kết hợp hài hòa lý trí và tâm hồn để hoàn thành công việc.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Kế hoạch của bạn có thể đổ vỡ nếu bạn không thật cẩn thận.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Bạn có nền tảng vững chắc và một tâm hồn cởi mở. Hãy gạt bỏ mọi nỗi sợ hãi và vươn tới những vì sao.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Bạn đã tự chôn vùi mình dưới những lo âu và căng thẳng. Bạn đã đánh mất mục tiêu. Hãy thoát khỏi những lo âu này để vươn lên trong cuộc sống.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Tên của bạn</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Địa chỉ email của bạn</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Tên người bạn</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Địa chỉ email người bạn</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Lời nhắn của bạn</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>Đã gieo: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>Đã gieo: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Gieo xúc xắc</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>G</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Xem kết quả</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Gieo xúc xắc</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer đang chạy. Hãy đóng chương trình, rồi chọn “Thử lại”.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Có thể đã có bản cập nhật cho phần mềm này.
Bạn có muốn kiểm tra bản cập nhật không?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer là công cụ bói toán đơn giản, giúp bạn tìm ra lời giải cho những vấn đề hằng ngày.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Cơ hội kinh doanh tại nhà. Tự kinh doanh và kiếm tiền trực tuyến với phần mềm này mang trọn thương hiệu website của bạn.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Bấm vào đây để biết thêm</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Bấm vào đây để truy cập %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Bấm vào đây để ghé thăm Omenhall ngay</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Thoát</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Giới thiệu cho bạn bè</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Giới thiệu ngay</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Tải Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Bấm để ghé thăm Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Các chương trình của Augury Softwares như chương trình này chỉ có thể ra đời và duy trì nhờ bạn ủng hộ. Cách ủng hộ Omenhall tốt nhất là thường xuyên ghé thăm và tham gia thảo luận cùng các hoạt động trên diễn đàn.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Hãy thường xuyên ghé thăm Omenhall. Ủng hộ Omenhall bằng cách tham gia thảo luận và các hoạt động khác. Nếu bạn không thường xuyên ghé thăm Omenhall, các phần mềm này không thể được hỗ trợ và duy trì.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall là diễn đàn thảo luận trực tuyến MIỄN PHÍ về mọi điều huyền bí. Để giúp Omenhall phát triển và duy trì phần mềm này, hãy thường xuyên ghé thăm Omenhall.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall cần bạn giúp đỡ. Bạn chỉ cần thường xuyên ghé thăm Omenhall và tham gia các cuộc thảo luận, hoạt động để giúp chúng tôi duy trì và phát triển thêm các chương trình của Augury Softwares.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Nếu thích phần mềm này, chắc chắn bạn sẽ quan tâm đến các chương trình khác của Augury Softwares. Từ một phần mềm duy nhất, nay chúng tôi đã thành kho phần mềm bói toán lớn nhất thế giới. Chiêm tinh, ngoại cảm, tarot, thần số học hay huyền học, lĩnh vực nào cũng có chương trình để người dùng tha hồ lựa chọn theo sở thích.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Mọi chương trình của Augury Softwares đều đơn giản, dễ dùng, không chỉ vui mà còn rất bổ ích. Hãy dùng thử ngay hôm nay và chia sẻ trải nghiệm với bạn bè, người thân.</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Địa chỉ email không được chứa dấu cách.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Diễn đàn huyền bí trực tuyến được yêu thích nhất. Nguồn thông tin tốt nhất về mọi điều huyền bí. Hãy ghé thăm Omenhall ngay</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Gieo xúc xắc</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Hãy nghĩ về vấn đề đang gặp và thiền định. Mở mắt ra rồi bấm “Gieo xúc xắc”</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Kết quả Cubomancer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Quay &amp;lại</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Ưu đãi</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Cơ hội kinh doanh tại nhà. Bắt đầu kinh doanh trên Internet và kiếm tiền trực tuyến. Nhận phần mềm này mang trọn thương hiệu website của bạn. Bấm vào đây để biết thêm chi tiết.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Gắn thương hiệu của bạn lên phần mềm này để tăng khách quen và lượt truy cập. Đặt tên &amp;&amp; liên kết website tại đây. Xem chi tiết ở “Trợ giúp”. Bấm vào đây để tìm hiểu về đồng thương hiệu.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tệp</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Trợ giú&amp;p</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Thoát</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Trợ giúp trực tuyến</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Thăm &amp;website của chúng tôi</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Kiểm tra bản cập nhật</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Giới thiệu phần mềm</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Quyên góp</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Kiếm tiền trực tuyến</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Xúc xắc, chưa gieo</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>Xúc xắc ra mặt %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Chương trình đang chạy rồi.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Vui lòng nhập hai địa chỉ email khác nhau.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Vui lòng nhập địa chỉ email hợp lệ.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Vui lòng nhập tên của bạn.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Vui lòng nhập email của bạn.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Vui lòng nhập lời nhắn của bạn.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Vui lòng nhập tên người bạn.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Vui lòng nhập email của người bạn.</translation>
    </message>
</context>
</TS>
