<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="tr">
<context>
    <name>rsa</name>
    <message>
        <source>Form1</source>
        <translation>Form1</translation>
    </message>
    <message>
        <source>RSA</source>
        <translation>RSA</translation>
    </message>
    <message>
        <source>anahtar yaratımı</source>
        <translation>Key generation</translation>
    </message>
    <message>
        <source>Anahtar yaratım aşaması</source>
        <translation>The key generation stage</translation>
    </message>
    <message>
        <source>mesaj şifreleme</source>
        <translation>Message encryption</translation>
    </message>
    <message>
        <source>p:</source>
        <translation>p:</translation>
    </message>
    <message>
        <source>q:</source>
        <translation>q:</translation>
    </message>
    <message>
        <source>private key</source>
        <translation>Private key</translation>
    </message>
    <message>
        <source>Public key</source>
        <translation>Public key</translation>
    </message>
    <message>
        <source>Şifresi Kırılmış Metin</source>
        <translation>Decrypted text</translation>
    </message>
    <message>
        <source>asal sayıları listele</source>
        <translation>List primes</translation>
    </message>
    <message>
        <source>1 ile 100 arasındaki asal sayıları listeler</source>
        <translation>Lists the primes from 1 to 100</translation>
    </message>
    <message>
        <source>sistemi kur</source>
        <translation>Set up the system</translation>
    </message>
    <message>
        <source>Random asal sayılar seçer</source>
        <translation>Picks two random primes</translation>
    </message>
    <message>
        <source>(p-1)*(q-1) in çarpanları</source>
        <translation>Divisors of (p-1)*(q-1)</translation>
    </message>
    <message>
        <source>private anahtarı hesapla</source>
        <translation>Compute private key</translation>
    </message>
    <message>
        <source>anahtar çiftlerini hesaplar</source>
        <translation>Computes the key pair</translation>
    </message>
    <message>
        <source>şifrele</source>
        <translation>Encrypt</translation>
    </message>
    <message>
        <source>şifreyi kır</source>
        <translation>Decrypt</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>q</source>
        <translation>q</translation>
    </message>
    <message>
        <source>asal sayılar</source>
        <translation>Primes</translation>
    </message>
    <message>
        <source>public key</source>
        <translation>Public key</translation>
    </message>
    <message>
        <source>kart numarası, 1. grup</source>
        <translation>Card number, group 1</translation>
    </message>
    <message>
        <source>kart numarası, 2. grup</source>
        <translation>Card number, group 2</translation>
    </message>
    <message>
        <source>kart numarası, 3. grup</source>
        <translation>Card number, group 3</translation>
    </message>
    <message>
        <source>kart numarası, 4. grup</source>
        <translation>Card number, group 4</translation>
    </message>
    <message>
        <source>şifrelenmiş metin</source>
        <translation>Cipher text</translation>
    </message>
    <message>
        <source>&amp;file</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;exit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;RSA hakkında</source>
        <translation>&amp;About RSA</translation>
    </message>
    <message>
        <source>p sayısını asal sayı olarak giriniz  asal sayıları görmek için asal sayıları listele buttonuna basınız</source>
        <translation>Enter a prime for p. To see the primes, press the List primes button.</translation>
    </message>
    <message>
        <source>q sayısını asal sayı olarak giriniz asal sayıları görmek için asal sayıları listele buttonuna basınız</source>
        <translation>Enter a prime for q. To see the primes, press the List primes button.</translation>
    </message>
    <message>
        <source>p ve q farklı asal sayılar olmalıdır</source>
        <translation>p and q must be different primes.</translation>
    </message>
    <message>
        <source>hatalı giriş</source>
        <translation>Invalid input</translation>
    </message>
    <message>
        <source>önce private anahtarı hesaplayınız</source>
        <translation>Compute the private key first.</translation>
    </message>
    <message>
        <source>p*q her bloktan büyük olmalıdır, daha büyük asal sayılar seçiniz</source>
        <translation>p*q must be larger than every block; choose larger primes.</translation>
    </message>
    <message>
        <source>önce kart numarasını şifreleyiniz</source>
        <translation>Encrypt the card number first.</translation>
    </message>
    <message>
        <source>şifrelenmiş metin(*.ENC)|*.ENC</source>
        <translation>Cipher text (*.ENC)|*.ENC</translation>
    </message>
    <message>
        <source>Dosya kaydedilemedi: {0}</source>
        <translation>The file could not be saved: {0}</translation>
    </message>
    <message>
        <source>https://tr.wikipedia.org/wiki/RSA</source>
        <translation>https://en.wikipedia.org/wiki/RSA_(cryptosystem)</translation>
    </message>
    <message>
        <source>Error displaying file</source>
        <translation>The page about RSA could not be shown.</translation>
    </message>
    <message>
        <source>Web tarayıcısı açılamadı</source>
        <translation>The web browser could not be opened</translation>
    </message>
    <message>
        <source>rsa-demo bir pencere açar ve grafik bir oturum ister, ancak ekrana bağlanamadı; ekransız çalıştırmak için: xvfb-run -a rsa-demo</source>
        <translation>rsa-demo opens a window and needs a graphical session, but could not reach the display; to run it without a screen: xvfb-run -a rsa-demo</translation>
    </message>
    <message>
        <source>Hata {0}: {1}</source>
        <translation>Error {0}: {1}</translation>
    </message>
    <message>
        <source>Beklenmeyen hata: {0}</source>
        <translation>Unexpected error: {0}</translation>
    </message>
    <message>
        <source>RSA açık anahtarlı şifrelemeyi küçük sayılarla gösteren bir öğretim aracı.</source>
        <translation>A teaching tool that shows RSA public-key encryption on small numbers.</translation>
    </message>
    <message>
        <source>Arayüzün dili: {0} (verilmezse tr).</source>
        <translation>Language of the interface: {0} (tr when not given).</translation>
    </message>
    <message>
        <source>dil</source>
        <translation>language</translation>
    </message>
    <message>
        <source>Her komutu adım adım açıklayan ikinci bir pencere açar.</source>
        <translation>Opens a second window that explains every command step by step.</translation>
    </message>
    <message>
        <source>Bilinmeyen dil &apos;{0}&apos;; diller: {1}.</source>
        <translation>Unknown language &apos;{0}&apos;; languages: {1}.</translation>
    </message>
    <message>
        <source>Beklenmeyen argüman &apos;{0}&apos;.</source>
        <translation>Unexpected argument &apos;{0}&apos;.</translation>
    </message>
    <message>
        <source>Komut bir çalışma hatasıyla durdu (programın &quot;Hata&quot; iletisi). Bu adımın açıklanacak bir sonucu yok.</source>
        <translation>The command stopped with a run-time error (the program&apos;s &quot;Error&quot; message). This step has no result to explain.</translation>
    </message>
    <message>
        <source>Bir n sayısını sınamak için 2&apos;den √n sayısına kadar bölmek yeter: n = a × b ise a ile b sayılarının küçüğü √n sayısını geçmez.</source>
        <translation>To test a number n it is enough to divide by 2 up to √n: if n = a × b, the smaller of a and b is at most √n.</translation>
    </message>
    <message>
        <source>{0}: 1 asal değildir; asal bir sayının tam iki böleni vardır, 1 ve kendisi.</source>
        <translation>{0}: 1 is not prime; a prime has exactly two divisors, 1 and itself.</translation>
    </message>
    <message>
        <source>{0}: asal değildir; asal sayılar 2&apos;den başlar.</source>
        <translation>{0}: not prime; the primes start at 2.</translation>
    </message>
    <message>
        <source>{0} asaldır: {2}² = {3} &gt; {1}, denenecek bölen yok.</source>
        <translation>{0} is prime: {2}² = {3} &gt; {1}, there is no divisor to try.</translation>
    </message>
    <message>
        <source>{0} asaldır: denenen bölenlerin ({2}) hiçbiri {1} sayısını bölmez. {3}² = {4} &gt; {1} olduğundan daha ötesine bakmak gerekmez.</source>
        <translation>{0} is prime: none of the divisors tried ({2}) divides {1}. Since {3}² = {4} &gt; {1}, there is no need to look further.</translation>
    </message>
    <message>
        <source>1 ile 100 arasından iki farklı asal rastgele seçildi: p = {0}, q = {1}. p × q = {2} en az 100 olmalı ki her iki basamaklı blok n sayısından küçük kalsın.</source>
        <translation>Two different primes from 1 to 100 were picked at random: p = {0}, q = {1}. p × q = {2} must be at least 100 so that every two-digit block stays below n.</translation>
    </message>
    <message>
        <source>p = q = {0}: RSA iki farklı asal ister. n = p² olunca φ(n) = p · (p − 1) olur, (p − 1)² değil; (p − 1)² ile bulunan d blokları geri getirmez.</source>
        <translation>p = q = {0}: RSA needs two different primes. When n = p², φ(n) = p · (p − 1), not (p − 1)²; a d found with (p − 1)² does not bring the blocks back.</translation>
    </message>
    <message>
        <source>Not: p ve q asal değilse (p − 1)(q − 1) sayısı φ(n) değildir; formül yalnız asallar için doğrudur.</source>
        <translation>Note: when p and q are not prime, (p − 1)(q − 1) is not φ(n); the formula holds for primes only.</translation>
    </message>
    <message>
        <source>n = p × q = {0} × {1} = {2} ({3} bit).</source>
        <translation>n = p × q = {0} × {1} = {2} ({3} bits).</translation>
    </message>
    <message>
        <source>Öklid tablosu: ebob({0}, {1})</source>
        <translation>Euclid table: gcd({0}, {1})</translation>
    </message>
    <message>
        <source>adım</source>
        <translation>step</translation>
    </message>
    <message>
        <source>ebob({0}, {1}) = {2} ≠ 1: e ile φ sayılarının ortak asal çarpanı var: {3}. e · d mod φ = 1 olan bir d yoktur; program &quot;hatalı giriş&quot; der.</source>
        <translation>gcd({0}, {1}) = {2} ≠ 1: e and φ share a prime factor: {3}. There is no d with e · d mod φ = 1; the program says &quot;Invalid input&quot;.</translation>
    </message>
    <message>
        <source>Anahtar p = {0}, q = {1} için hesaplanmıştı, şimdi p = {2}, q = {3}. Başka asalların anahtarı bu n ile çalışmaz: anahtarı yeniden hesaplayın.</source>
        <translation>The key was computed for p = {0}, q = {1}; now p = {2}, q = {3}. A key of other primes does not work with this n: compute the key again.</translation>
    </message>
    <message>
        <source>Kart numarası {0} sekiz bloğa bölünür: her dört basamaklı grup iki basamaklı iki blok verir.</source>
        <translation>The card number {0} is cut into eight blocks: every four-digit group gives two two-digit blocks.</translation>
    </message>
    <message>
        <source>blok</source>
        <translation>block</translation>
    </message>
    <message>
        <source>x · taban</source>
        <translation>x · base</translation>
    </message>
    <message>
        <source>yeni x</source>
        <translation>new x</translation>
    </message>
    <message>
        <source>Blok {0}: c{1} = {2}{3} mod {4} = {5}</source>
        <translation>Block {0}: c{1} = {2}{3} mod {4} = {5}</translation>
    </message>
    <message>
        <source>Blok {0}: r{1} = {2}{3} mod {4} = {5}</source>
        <translation>Block {0}: r{1} = {2}{3} mod {4} = {5}</translation>
    </message>
    <message>
        <source>e · d mod φ = 1 olduğundan her m &lt; n için (mᵉ)ᵈ mod n = m olur: şifre çözme bloğu geri getirir.</source>
        <translation>Since e · d mod φ = 1, (mᵉ)ᵈ mod n = m for every m &lt; n: decryption brings the block back.</translation>
    </message>
    <message>
        <source>Bloklar yeniden birleştirildi: {0}. Şifrelenen kart numarasıyla aynı.</source>
        <translation>The blocks joined again: {0}. The same as the card number that was encrypted.</translation>
    </message>
    <message>
        <source>Bloklar yeniden birleştirildi: {0}. Şifrelenen kart numarası {1} idi: farklı.</source>
        <translation>The blocks joined again: {0}. The card number encrypted was {1}: they differ.</translation>
    </message>
    <message>
        <source>Saldırganın gördüğü: yalnız açık anahtar (e, n)</source>
        <translation>What an attacker sees: only the public key (e, n)</translation>
    </message>
    <message>
        <source>Bloklar 00 ile 99 arasındadır. Açık anahtarı bilen herkes 100 olası bloğun hepsini önceden şifreleyebilir; sonra her şifreli blok tablodan kendi açık bloğunu ele verir.</source>
        <translation>Blocks lie between 00 and 99. Anyone who knows the public key can encrypt all 100 possible blocks in advance; then for every cipher block the table reveals its plain block.</translation>
    </message>
    <message>
        <source>görülen c</source>
        <translation>c seen</translation>
    </message>
    <message>
        <source>tablodan m</source>
        <translation>m from the table</translation>
    </message>
    <message>
        <source>tabloda yok</source>
        <translation>not in the table</translation>
    </message>
    <message>
        <source>Kart numarası d kullanılmadan bulundu: {0}.</source>
        <translation>The card number was found without using d: {0}.</translation>
    </message>
    <message>
        <source>00 ile 99 dışındaki bloklar tabloda yok; kart numarasının geri kalanı d kullanılmadan bulundu.</source>
        <translation>Blocks outside 00 to 99 are not in the table; the rest of the card number was found without using d.</translation>
    </message>
    <message>
        <source>Eşit açık bloklar eşit şifreli bloklar verir: {0}.</source>
        <translation>Equal plain blocks give equal cipher blocks: {0}.</translation>
    </message>
    <message>
        <source>{0} → {1} (blok {2})</source>
        <translation>{0} → {1} (blocks {2})</translation>
    </message>
    <message>
        <source>Gerçek RSA&apos;da p ve q yüzlerce basamaklıdır; n sayısını çarpanlarına ayırmak bugünkü bilgisayarlarla pratikte imkânsızdır. Ayrıca her blok şifrelenmeden önce rastgele dolgu (padding, örneğin OAEP) ile genişletilir: aynı blok her seferinde başka bir şifreli blok verir ve önceden hazırlanmış bir tablo işe yaramaz.</source>
        <translation>In real RSA, p and q have hundreds of digits; factoring n is practically impossible for today&apos;s computers. Moreover, every block is extended with random padding (for example OAEP) before it is encrypted: the same block gives a different cipher block every time, and a table made in advance is of no use.</translation>
    </message>
    <message>
        <source>Adım adım</source>
        <translation>Step by step</translation>
    </message>
    <message>
        <source>Ana pencerede bir düğmeye basın: burada o adım açıklanır.</source>
        <translation>Press a button in the main window: that step is explained here.</translation>
    </message>
    <message>
        <source>Temizle</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Kopyala</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Seçili metni, seçim yoksa tüm açıklamayı kopyalar</source>
        <translation>Copies the selected text, or the whole explanation when nothing is selected</translation>
    </message>
    <message>
        <source>Dışa aktar</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Açıklamanın tamamını HTML ya da PDF olarak kaydeder</source>
        <translation>Saves the whole explanation as HTML or PDF</translation>
    </message>
    <message>
        <source>Yazı boyu: Ctrl++ / Ctrl+- / Ctrl+0</source>
        <translation>Text size: Ctrl++ / Ctrl+- / Ctrl+0</translation>
    </message>
    <message>
        <source>HTML dosyası (*.html);;PDF dosyası (*.pdf)</source>
        <translation>HTML file (*.html);;PDF file (*.pdf)</translation>
    </message>
    <message>
        <source>PDF oluşturulamadı</source>
        <translation>The PDF could not be made</translation>
    </message>
    <message>
        <source>Görev kodu boş: kodu yazın.</source>
        <translation>The task code is empty: type the code.</translation>
    </message>
    <message>
        <source>Görev kodu 8 karakterdir; yazılan kodda {0} karakter var.</source>
        <translation>A task code has 8 characters; the code typed has {0}.</translation>
    </message>
    <message>
        <source>Görev kodunun ikinci karakteri düzeydir: K (kolay), T (orta) ya da Z (zor).</source>
        <translation>The second character of a task code is the level: K (easy), T (medium) or Z (hard).</translation>
    </message>
    <message>
        <source>Kutu boş: bir sayı yazın.</source>
        <translation>The box is empty: type a number.</translation>
    </message>
    <message>
        <source>&quot;{0}&quot; bir tam sayı değil: yalnız rakam yazın.</source>
        <translation>&quot;{0}&quot; is not a whole number: type digits only.</translation>
    </message>
    <message>
        <source>{0} negatif olamaz: pozitif bir tam sayı yazın.</source>
        <translation>{0} cannot be negative: type a positive whole number.</translation>
    </message>
    <message>
        <source>p + q toplanmış; n, p ile q sayılarının çarpımıdır: n = p · q.</source>
        <translation>This is the sum p + q; n is the product of p and q: n = p · q.</translation>
    </message>
    <message>
        <source>Bu (p − 1)(q − 1), yani φ; n için p ile q sayılarının kendileri çarpılır: n = p · q.</source>
        <translation>This is (p − 1)(q − 1), that is φ; for n, p and q themselves are multiplied: n = p · q.</translation>
    </message>
    <message>
        <source>Sağlama: n, p = {0} ile tam bölünmeli; yazdığınız sayının {0} ile bölümünden kalan {1}.</source>
        <translation>Check: n must be divisible by p = {0}; your number leaves the remainder {1} when divided by {0}.</translation>
    </message>
    <message>
        <source>Sağlama: yazdığınız sayı p = {0} ile bölünüyor ama bölüm {1}, q = {2} değil.</source>
        <translation>Check: your number is divisible by p = {0}, but the quotient is {1}, not q = {2}.</translation>
    </message>
    <message>
        <source>Bu n = p · q; φ(n) = (p − 1)(q − 1).</source>
        <translation>This is n = p · q; φ(n) = (p − 1)(q − 1).</translation>
    </message>
    <message>
        <source>(p − 1) + (q − 1) toplanmış; φ(n) bir çarpımdır: (p − 1)(q − 1).</source>
        <translation>This is the sum (p − 1) + (q − 1); φ(n) is a product: (p − 1)(q − 1).</translation>
    </message>
    <message>
        <source>p · q − p − q hesaplanmış: (p − 1)(q − 1) = p · q − p − q + 1; sondaki + 1 unutulmuş.</source>
        <translation>This is p · q − p − q: (p − 1)(q − 1) = p · q − p − q + 1, and the final + 1 is missing.</translation>
    </message>
    <message>
        <source>Sağlama: φ, p − 1 = {0} ile tam bölünmeli; yazdığınız sayının {0} ile bölümünden kalan {1}.</source>
        <translation>Check: φ must be divisible by p − 1 = {0}; your number leaves the remainder {1} when divided by {0}.</translation>
    </message>
    <message>
        <source>Sağlama: yazdığınız sayı p − 1 = {0} ile bölünüyor ama bölüm {1}, q − 1 = {2} değil.</source>
        <translation>Check: your number is divisible by p − 1 = {0}, but the quotient is {1}, not q − 1 = {2}.</translation>
    </message>
    <message>
        <source>Öklid tablosunun t değeri mod φ&apos;ye göre indirgenmemiş: d, 0 ile φ = {0} arasında olmalı; negatif t için d = t + φ.</source>
        <translation>The t of the Euclid table has not been reduced modulo φ: d must lie between 0 and φ = {0}; for a negative t, d = t + φ.</translation>
    </message>
    <message>
        <source>mod φ&apos;ye göre indirgenmemiş: d, φ = {0} sayısından küçük olmalı; d = t mod φ.</source>
        <translation>Not reduced modulo φ: d must be less than φ = {0}; d = t mod φ.</translation>
    </message>
    <message>
        <source>Bu, e sayısının mod n&apos;ye göre tersi; d ise e sayısının mod φ&apos;ye göre tersidir: e · d mod φ = 1.</source>
        <translation>This is the inverse of e modulo n; d is the inverse of e modulo φ: e · d mod φ = 1.</translation>
    </message>
    <message>
        <source>Sağlama tutmuyor: yazdığınız d için e · d mod φ = {0} · d mod {1} = {2}; 1 olmalı.</source>
        <translation>The check fails: for your d, e · d mod φ = {0} · d mod {1} = {2}; it must be 1.</translation>
    </message>
    <message>
        <source>m · e çarpılmış; şifrelemede üs alınır: c = mᵉ mod n, m sayısının e. kuvveti.</source>
        <translation>This is the product m · e; encryption raises to a power: c = mᵉ mod n, the e-th power of m.</translation>
    </message>
    <message>
        <source>Özel üs d ile hesaplanmış; şifrelemede açık üs e kullanılır: c = mᵉ mod n.</source>
        <translation>This was computed with the private exponent d; encryption uses the public exponent e: c = mᵉ mod n.</translation>
    </message>
    <message>
        <source>Sağlama tutmuyor: yazdığınız c için cᵈ mod n = {0}; m = {1} olmalı.</source>
        <translation>The check fails: for your c, cᵈ mod n = {0}; it must be m = {1}.</translation>
    </message>
    <message>
        <source>Açık üs e ile hesaplanmış; şifre çözmede özel üs d kullanılır: {0} = {1}ᵈ mod n.</source>
        <translation>This was computed with the public exponent e; decryption uses the private exponent d: {0} = {1}ᵈ mod n.</translation>
    </message>
    <message>
        <source>mod φ&apos;ye göre indirgenmiş; şifre çözmede de mod n&apos;ye göre indirgenir: {0} = {1}ᵈ mod n.</source>
        <translation>This was reduced modulo φ; decryption also reduces modulo n: {0} = {1}ᵈ mod n.</translation>
    </message>
    <message>
        <source>Sağlama tutmuyor: yazdığınız {0} için {0}ᵉ mod n = {2}; {1} = {3} olmalı.</source>
        <translation>The check fails: for your {0}, {0}ᵉ mod n = {2}; it must be {1} = {3}.</translation>
    </message>
    <message>
        <source>mod n&apos;ye göre indirgenmemiş: {0}, n = {1} sayısından küçük olmalı; sayının n ile bölümünden kalanı alın.</source>
        <translation>Not reduced modulo n: {0} must be less than n = {1}; take the remainder of the number divided by n.</translation>
    </message>
    <message>
        <source>Bu sayı çok büyük: görevdeki sayılarla bu kadar büyük bir {0} çıkmaz.</source>
        <translation>This number is too large: the task&apos;s numbers cannot give a {0} this large.</translation>
    </message>
    <message>
        <source>{0}, n = {1} sayısından küçük olmalı.</source>
        <translation>{0} must be less than n = {1}.</translation>
    </message>
    <message>
        <source>0, 1 ve n çarpan olarak sayılmaz; 1&apos;den ve n&apos;den farklı bir bölen arayın.</source>
        <translation>0, 1 and n do not count as factors; look for a divisor other than 1 and n.</translation>
    </message>
    <message>
        <source>Sağlama: n = {0} bu sayıya tam bölünmüyor; kalan {1}.</source>
        <translation>Check: n = {0} is not divisible by this number; the remainder is {1}.</translation>
    </message>
    <message>
        <source>Bu, n sayısının büyük çarpanı; p küçük olanıdır.</source>
        <translation>This is the larger factor of n; p is the smaller one.</translation>
    </message>
    <message>
        <source>Bu, n sayısının küçük çarpanı, yani p; q büyük olanıdır.</source>
        <translation>This is the smaller factor of n, that is p; q is the larger one.</translation>
    </message>
    <message>
        <source>n = p · q = {0} × {1}: iki asalı çarpın.</source>
        <translation>n = p · q = {0} × {1}: multiply the two primes.</translation>
    </message>
    <message>
        <source>Euler φ fonksiyonu: φ(n) = (p − 1)(q − 1) = {0} × {1}.</source>
        <translation>Euler&apos;s totient: φ(n) = (p − 1)(q − 1) = {0} × {1}.</translation>
    </message>
    <message>
        <source>{0} için önce {1} gerekli: önce o kutuyu doğru yanıtlayın.</source>
        <translation>{0} needs {1} first: answer that box correctly first.</translation>
    </message>
    <message>
        <source>{0} = {1}{2} mod {3}, kare al ve çarp yöntemiyle: üs ikili yazılır, {4}; x = 1 ile başlanır. {5} Sonraki bitlerle sürdürün.</source>
        <translation>{0} = {1}{2} mod {3}, by square-and-multiply: the exponent is written in binary, {4}; start with x = 1. {5} Go on with the next bits.</translation>
    </message>
    <message>
        <source>Adım {0}, bit {1}: x² = {2}, x² mod n = {3}, x · taban = {4}, yeni x = {5}.</source>
        <translation>Step {0}, bit {1}: x² = {2}, x² mod n = {3}, x · base = {4}, new x = {5}.</translation>
    </message>
    <message>
        <source>q = n / p: n = {0} sayısını bulduğunuz p = {1} ile bölün.</source>
        <translation>q = n / p: divide n = {0} by the p you found, {1}.</translation>
    </message>
    <message>
        <source>Alıştırma</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>Düzey:</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>kolay</source>
        <translation>easy</translation>
    </message>
    <message>
        <source>orta</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>zor</source>
        <translation>hard</translation>
    </message>
    <message>
        <source>Yeni görev</source>
        <translation>New task</translation>
    </message>
    <message>
        <source>Saldırgan ol</source>
        <translation>Be the attacker</translation>
    </message>
    <message>
        <source>Görev kodu:</source>
        <translation>Task code:</translation>
    </message>
    <message>
        <source>Aç</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Öğretmen görünümü</source>
        <translation>Teacher&apos;s view</translation>
    </message>
    <message>
        <source>Görev {0} ({1})</source>
        <translation>Task {0} ({1})</translation>
    </message>
    <message>
        <source>Saldırganın görevi {0} ({1})</source>
        <translation>Attacker&apos;s task {0} ({1})</translation>
    </message>
    <message>
        <source>Anahtarı kurun, m bloğunu şifreleyin ve c′ bloğunun şifresini çözün.</source>
        <translation>Set up the key, encrypt the block m and decrypt the block c′.</translation>
    </message>
    <message>
        <source>Yalnız açık anahtar (e, n) ve üç şifreli blok belli: n sayısını çarpanlarına ayırın, özel üs d sayısını bulun ve blokların şifresini çözün.</source>
        <translation>Only the public key (e, n) and three cipher blocks are known: factor n, find the private exponent d and decrypt the blocks.</translation>
    </message>
    <message>
        <source>p (küçük çarpan)</source>
        <translation>p (smaller factor)</translation>
    </message>
    <message>
        <source>q (büyük çarpan)</source>
        <translation>q (larger factor)</translation>
    </message>
    <message>
        <source>Kontrol</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>İpucu</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>✓ Doğru</source>
        <translation>✓ Right</translation>
    </message>
    <message>
        <source>Gösterildi: {0}</source>
        <translation>Revealed: {0}</translation>
    </message>
    <message>
        <source>Çözümü göster</source>
        <translation>Show the solution</translation>
    </message>
    <message>
        <source>Çözüm: görev {0}</source>
        <translation>Solution: task {0}</translation>
    </message>
    <message>
        <source>Doğru: {0} / {1}    Deneme: {2}    Gösterilen: {3}</source>
        <translation>Right: {0} / {1}    Tries: {2}    Revealed: {3}</translation>
    </message>
    <message>
        <source>Sonuç kodu: {0}</source>
        <translation>Result code: {0}</translation>
    </message>
    <message>
        <source>Sonuç kodu (bütün cevaplar doğru olunca): {0}</source>
        <translation>Result code (once every answer is right): {0}</translation>
    </message>
    <message>
        <source>Alıştırma penceresini açar; bir görev kodu verilirse o görevi.</source>
        <translation>Opens the exercise window; with a task code, that task.</translation>
    </message>
    <message>
        <source>KOD</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>Alıştırmada açılacak görevin kodu (--alistirma ile).</source>
        <translation>The code of the task to open in the exercise window (with --alistirma).</translation>
    </message>
    <message>
        <source>Yeni görevin düzeyi: kolay, orta ya da zor (verilmezse kolay).</source>
        <translation>The level of a new task: kolay (easy), orta (medium) or zor (hard); kolay when not given.</translation>
    </message>
    <message>
        <source>düzey</source>
        <translation>level</translation>
    </message>
    <message>
        <source>Yeni görev saldırganın görevi olur: n çarpanlarına ayrılır.</source>
        <translation>A new task is the attacker&apos;s task: n is to be factored.</translation>
    </message>
    <message>
        <source>Görevi bütün cevapları ve sonuç koduyla gösterir (öğretmen görünümü).</source>
        <translation>Shows the task with all its answers and the result code (teacher&apos;s view).</translation>
    </message>
    <message>
        <source>Bilinmeyen düzey &apos;{0}&apos;; düzeyler: kolay, orta, zor.</source>
        <translation>Unknown level &apos;{0}&apos;; levels: kolay, orta, zor.</translation>
    </message>
    <message>
        <source>1 ile 100 arasındaki asal sayılar ({0})</source>
        <translation>The primes from 1 to 100 ({0})</translation>
    </message>
    <message>
        <source>Rastgele iki asal sayının seçilmesi ({0})</source>
        <translation>Choosing two primes at random ({0})</translation>
    </message>
    <message>
        <source>φ(n) sayısının bölenleri ({0})</source>
        <translation>The divisors of φ(n) ({0})</translation>
    </message>
    <message>
        <source>Özel anahtarın hesaplanması ({0})</source>
        <translation>Computing the private key ({0})</translation>
    </message>
    <message>
        <source>Kart numarasının şifrelenmesi ({0})</source>
        <translation>Encrypting the card number ({0})</translation>
    </message>
    <message>
        <source>Şifreli blokların çözülmesi ({0})</source>
        <translation>Decrypting the cipher blocks ({0})</translation>
    </message>
    <message>
        <source>Asal sayı, 1&apos;den büyük olan ve 1 ile kendisinden başka pozitif böleni bulunmayan doğal sayıdır.</source>
        <translation>A prime is a natural number greater than 1 whose only positive divisors are 1 and itself.</translation>
    </message>
    <message>
        <source>1 ile 100 arasında {0} asal sayı vardır. İki örnek:</source>
        <translation>There are {0} primes from 1 to 100. Two examples:</translation>
    </message>
    <message>
        <source>{0}: tam sayı değildir, bu yüzden asal olamaz.</source>
        <translation>{0}: not a whole number, so it cannot be prime.</translation>
    </message>
    <message>
        <source>Anahtar hesaplanmadı. Programda henüz bir anahtar yok; anahtar hesaplanmadan şifreleme yapılmaz.</source>
        <translation>No key was computed. The program holds no key yet; nothing is encrypted until a key is computed.</translation>
    </message>
    <message>
        <source>Anahtar hesaplanmadı. Program önceki anahtarı tutar: açık anahtar (e, n) = ({0}, {1}), özel anahtar (d, n) = ({2}, {1}). Bu anahtar p = {3}, q = {4} için hesaplanmıştır; şifreleme onu kullanır.</source>
        <translation>No key was computed. The program keeps the earlier key: public key (e, n) = ({0}, {1}), private key (d, n) = ({2}, {1}). It was computed for p = {3}, q = {4}; encryption uses it.</translation>
    </message>
    <message>
        <source>Anahtar hesaplanmadı. Program önceki anahtarı tutar: açık anahtar (e, n) = ({0}, {1}), p = {3}, q = {4} için hesaplanmıştır. Bu anahtar şimdiki p ve q ile uyuşmaz; anahtar yeniden hesaplanana kadar şifreleme yapılmaz.</source>
        <translation>No key was computed. The program keeps the earlier key: public key (e, n) = ({0}, {1}), computed for p = {3}, q = {4}. It does not match the present p and q; nothing is encrypted until the key is computed again.</translation>
    </message>
    <message>
        <source>Euler φ fonksiyonu: φ(n) = (p − 1)(q − 1) = {0} × {1} = {2}.</source>
        <translation>Euler&apos;s totient: φ(n) = (p − 1)(q − 1) = {0} × {1} = {2}.</translation>
    </message>
    <message>
        <source>{0}: listelenecek tek bölen 1&apos;dir.</source>
        <translation>{0}: the only divisor to list is 1.</translation>
    </message>
    <message>
        <source>Asal çarpanlarına ayrılır: {0}.</source>
        <translation>Its prime factorisation is {0}.</translation>
    </message>
    <message>
        <source>{0} sayısının {1} böleni vardır; program hepsini listeler.</source>
        <translation>{0} has {1} divisors; the program lists all of them.</translation>
    </message>
    <message>
        <source>{0} sayısının {1} böleni vardır, program {2} tanesini listeler. (p − 1)(q − 1) = {4} tam sayı değildir: program {4} sayısını aşmayan her i sayısını dener ve {4} sayısını bölerken {0} sayısına yuvarlar. Bu yüzden {0} sayısının bölenlerini bulur, ama {4} sayısından büyük olanları ({3}) listelemez.</source>
        <translation>{0} has {1} divisors, and the program lists {2} of them. (p − 1)(q − 1) = {4} is not a whole number: the program tries every i up to {4} and rounds {4} to {0} when it divides. So it finds the divisors of {0} but does not list those above {4} ({3}).</translation>
    </message>
    <message>
        <source>Açık üs e, bu asal çarpanların hiçbirine bölünmemelidir: {0}. O zaman ebob(e, φ) = 1 olur, yani e ile φ aralarında asaldır, ve özel üs d vardır.</source>
        <translation>The public exponent e must not be divisible by any of these prime factors: {0}. Then gcd(e, φ) = 1, that is, e and φ are coprime, and the private exponent d exists.</translation>
    </message>
    <message>
        <source>Uygun küçük e değerleri şunlardır: {0}.</source>
        <translation>Suitable small values of e are {0}.</translation>
    </message>
    <message>
        <source>Euler φ fonksiyonu: φ(n) = (p − 1)(q − 1) = {0} × {1} = {2} ({3} bit).</source>
        <translation>Euler&apos;s totient: φ(n) = (p − 1)(q − 1) = {0} × {1} = {2} ({3} bits).</translation>
    </message>
    <message>
        <source>φ(n), 1 ile n arasında n ile aralarında asal olan sayıların sayısıdır.</source>
        <translation>φ(n) is the number of numbers from 1 to n that are coprime to n.</translation>
    </message>
    <message>
        <source>e = {0}: açık üs 1&apos;den büyük bir tam sayı olmalıdır.</source>
        <translation>e = {0}: the public exponent must be a whole number greater than 1.</translation>
    </message>
    <message>
        <source>e = {0} ≥ φ = {1}: tablo e ile başlar. İlk bölme e sayısını mod φ&apos;ye göre indirger: {0} = {2} · {1} + {3}; sonraki satırlar {3} ile sürer.</source>
        <translation>e = {0} ≥ φ = {1}: the table starts with e. The first division reduces e modulo φ: {0} = {2} · {1} + {3}; the rows go on with {3}.</translation>
    </message>
    <message>
        <source>ebob({0}, {1}) = 1: e ile φ aralarında asaldır.</source>
        <translation>gcd({0}, {1}) = 1: e and φ are coprime.</translation>
    </message>
    <message>
        <source>Özel üs, e sayısının mod φ&apos;ye göre tersidir: d = t mod φ = {0} mod {1} = {2}.</source>
        <translation>The private exponent is the inverse of e modulo φ: d = t mod φ = {0} mod {1} = {2}.</translation>
    </message>
    <message>
        <source>Sağlama: e · d mod φ = {0} · {1} mod {2} = {3} mod {2} = 1.</source>
        <translation>Check: e · d mod φ = {0} · {1} mod {2} = {3} mod {2} = 1.</translation>
    </message>
    <message>
        <source>Açık anahtar: (e, n) = ({0}, {1}). Özel anahtar (programdaki adıyla private key): (d, n) = ({2}, {1}).</source>
        <translation>Public key: (e, n) = ({0}, {1}). Private key: (d, n) = ({2}, {1}).</translation>
    </message>
    <message>
        <source>Programda henüz bir anahtar yok. Önce anahtar hesaplanmalıdır: şifreleme açık anahtarı (e, n), şifre çözme özel anahtarı (d, n) kullanır.</source>
        <translation>The program holds no key yet. A key must be computed first: encryption uses the public key (e, n), decryption the private key (d, n).</translation>
    </message>
    <message>
        <source>Dikkat: {0}. grup boş; program onu 0000 olarak okur.</source>
        <translation>Note: group {0} is empty; the program reads it as 0000.</translation>
    </message>
    <message>
        <source>Dikkat: {0}. grup &quot;{1}&quot; rakam olmayan işaretler içerir; program onu {4} olarak okur.</source>
        <translation>Note: group {0}, &quot;{1}&quot;, contains signs that are not digits; the program reads it as {4}.</translation>
    </message>
    <message>
        <source>Dikkat: {0}. grup &quot;{1}&quot; dört basamaktan uzundur; {2} ve {3} bloklarını verir, bunlar iki basamaklı bloklar değildir.</source>
        <translation>Note: group {0}, &quot;{1}&quot;, is longer than four digits; it gives the blocks {2} and {3}, which are not two-digit blocks.</translation>
    </message>
    <message>
        <source>Dikkat: {0}. grup &quot;{1}&quot; negatiftir; {2} ve {3} blokları negatif olur, RSA negatif blokları tanımlamaz.</source>
        <translation>Note: group {0}, &quot;{1}&quot;, is negative; its blocks {2} and {3} are negative, and RSA does not define negative blocks.</translation>
    </message>
    <message>
        <source>Dikkat: {0}. grup &quot;{1}&quot; tam sayı değildir; program {2} ve {3} bloklarını yapar, bunlar kart numarasının basamakları değildir.</source>
        <translation>Note: group {0}, &quot;{1}&quot;, is not a whole number; the program makes the blocks {2} and {3}, which are not digits of a card number.</translation>
    </message>
    <message>
        <source>Şu bloklar n = {0} sayısından küçük değildir: {1}. Şifre çözme böyle bir bloğu değil, n ile bölümünden kalanı geri verirdi; şifreleme yapılmadı. Daha büyük asallar seçin.</source>
        <translation>These blocks are not below n = {0}: {1}. Decryption would give back not such a block but its remainder modulo n, so nothing was encrypted. Choose larger primes.</translation>
    </message>
    <message>
        <source>Her blok m, c = m{0} mod {1} ile şifrelenir.</source>
        <translation>Every block m is encrypted as c = m{0} mod {1}.</translation>
    </message>
    <message>
        <source>n = p × q = {0} sayısı programın 32 bitlik sayılarına sığmaz: en büyüğü 2147483647 (2³¹ − 1) sayısıdır. Bu yüzden bu anahtarla hiçbir blok şifrelenemez (&quot;Hata 6: Overflow&quot;). p × q en çok 2147483647 olan iki asal seçin; örneğin 46327 × 46337 = 2146654199 çalışır.</source>
        <translation>n = p × q = {0} does not fit the program&apos;s 32-bit numbers, whose largest is 2147483647 (2³¹ − 1). So no block can be encrypted with this key (&quot;Error 6: Overflow&quot;). Choose two primes with p × q at most 2147483647; 46327 × 46337 = 2146654199, for example, works.</translation>
    </message>
    <message>
        <source>Modüler üs alma, &quot;kare al ve çarp&quot; yöntemiyle yapılır: üs ikili yazılır ({0}) ve bitleri soldan okunur. x = 1 ile başlanır; her bitte x&apos;in karesi alınır ve mod n&apos;ye göre indirgenir. Bit 1 ise sonuç bir de taban ile çarpılır ve yeniden indirgenir.</source>
        <translation>Modular exponentiation is done by square-and-multiply: the exponent is written in binary ({0}) and its bits are read from the left. Start with x = 1; for every bit, square x and reduce it modulo n; if the bit is 1, also multiply by the base and reduce again.</translation>
    </message>
    <message>
        <source>Blok {0} tam sayı değildir; {1} olarak yuvarlanır.</source>
        <translation>Block {0} is not a whole number; it is rounded to {1}.</translation>
    </message>
    <message>
        <source>Taban negatiftir: tablo {0} ile çalışır, üs tek olduğundan sonuç eksi işaret alır.</source>
        <translation>The base is negative: the table works with {0}, and since the exponent is odd the result takes a minus sign.</translation>
    </message>
    <message>
        <source>Taban negatiftir: tablo {0} ile çalışır, üs çift olduğundan sonuç pozitiftir.</source>
        <translation>The base is negative: the table works with {0}, and since the exponent is even the result is positive.</translation>
    </message>
    <message>
        <source>Önce kart numarası şifrelenmelidir: çözülecek şifreli blok yoktur.</source>
        <translation>The card number must be encrypted first: there is no cipher block to decrypt.</translation>
    </message>
    <message>
        <source>Şifreli bloklar başka bir anahtarla yapıldı; bu özel anahtar onları çözemez. Kartı yeniden şifreleyin.</source>
        <translation>The cipher blocks were made with another key; this private key cannot decrypt them. Encrypt the card again.</translation>
    </message>
    <message>
        <source>Her şifreli blok c, r = c{0} mod {1} ile çözülür.</source>
        <translation>Every cipher block c is decrypted as r = c{0} mod {1}.</translation>
    </message>
    <message>
        <source>Bu kartta eşit blok yoktur; olsaydı şifreli metinde de eşit görünürlerdi.</source>
        <translation>This card has no equal blocks; if it had, they would look equal in the cipher text too.</translation>
    </message>
    <message>
        <source>Kendisine şifrelenen bloklar (mᵉ mod n = m) şunlardır: {0}. 0 ve 1 her anahtarda kendisine şifrelenir; ötekiler anahtara bağlıdır.</source>
        <translation>The blocks that encrypt to themselves (mᵉ mod n = m) are {0}. 0 and 1 do so under every key; the others depend on the key.</translation>
    </message>
    <message>
        <source>n = {0} sayısını deneme bölmesiyle çarpanlarına ayırmak {1} bölme gerektirdi: {0} = {2} × {3}.</source>
        <translation>Factoring n = {0} by trial division took {1} divisions: {0} = {2} × {3}.</translation>
    </message>
    <message>
        <source>Çarpanlardan φ(n) = {0} ve aynı Öklid adımlarıyla d = {1} bulunur: bu, özel üssün ta kendisidir.</source>
        <translation>From the factors, φ(n) = {0}, and the same Euclid steps give d = {1}: the private exponent itself.</translation>
    </message>
    <message>
        <source>tr_TR</source>
        <translation>en_GB</translation>
    </message>
    <message>
        <source>Gerçek boyut</source>
        <translation>Real size</translation>
    </message>
    <message>
        <source>Anahtar üretimi</source>
        <translation>Key generation</translation>
    </message>
    <message>
        <source>n sayısının boyu:</source>
        <translation>Size of n:</translation>
    </message>
    <message>
        <source>{0} bit</source>
        <translation>{0} bits</translation>
    </message>
    <message>
        <source>Anahtar üret</source>
        <translation>Generate key</translation>
    </message>
    <message>
        <source>İptal</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>{0} bitlik anahtar üretiliyor…</source>
        <translation>Generating a {0}-bit key…</translation>
    </message>
    <message>
        <source>{0} bitlik anahtar {1} saniyede üretildi. Sağlama: n = p · q, e · d mod φ(n) = 1, şifreleyip çözmek sayıyı geri verdi.</source>
        <translation>A {0}-bit key was generated in {1} seconds. Check: n = p · q, e · d mod φ(n) = 1, and encryption followed by decryption gave the number back.</translation>
    </message>
    <message>
        <source>Anahtar üretimi iptal edildi.</source>
        <translation>Key generation was cancelled.</translation>
    </message>
    <message>
        <source>{0} ({1} basamak, {2} bit):</source>
        <translation>{0} ({1} digits, {2} bits):</translation>
    </message>
    <message>
        <source>p (asal sayı)</source>
        <translation>p (prime)</translation>
    </message>
    <message>
        <source>q (asal sayı)</source>
        <translation>q (prime)</translation>
    </message>
    <message>
        <source>n = p · q</source>
        <translation>n = p · q</translation>
    </message>
    <message>
        <source>e (açık üs)</source>
        <translation>e (public exponent)</translation>
    </message>
    <message>
        <source>d (özel üs, e⁻¹ mod φ(n))</source>
        <translation>d (private exponent, e⁻¹ mod φ(n))</translation>
    </message>
    <message>
        <source>Metin şifreleme</source>
        <translation>Encrypting a text</translation>
    </message>
    <message>
        <source>Açık metin:</source>
        <translation>Plaintext:</translation>
    </message>
    <message>
        <source>Şifrele</source>
        <translation>Encrypt</translation>
    </message>
    <message>
        <source>Önce bir anahtar üretin.</source>
        <translation>Generate a key first.</translation>
    </message>
    <message>
        <source>Şifreleniyor…</source>
        <translation>Encrypting…</translation>
    </message>
    <message>
        <source>Ders kitabı RSA (dolgusuz): metnin baytları n sayısından küçük tek bir sayı m, c = m^e mod n</source>
        <translation>Textbook RSA (no padding): the text&apos;s bytes as one number m below n, c = m^e mod n</translation>
    </message>
    <message>
        <source>RSA-OAEP (SHA-256 ile dolgu, OpenSSL): her şifrelemede yeni rastgele baytlar</source>
        <translation>RSA-OAEP (padding with SHA-256, OpenSSL): fresh random bytes in every encryption</translation>
    </message>
    <message>
        <source>{0}. şifreli metin: {1}</source>
        <translation>Ciphertext {0}: {1}</translation>
    </message>
    <message>
        <source>{0}…{1} ({2} basamak)</source>
        <translation>{0}…{1} ({2} digits)</translation>
    </message>
    <message>
        <source>İki şifreli metin aynı mı? {0}</source>
        <translation>Are the two ciphertexts the same? {0}</translation>
    </message>
    <message>
        <source>evet</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>hayır</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Dolgusuz RSA&apos;da aynı açık metin her seferinde aynı şifreli metni verir: bir saldırgan tahmin ettiği metni açık anahtarla şifreleyip karşılaştırabilir.</source>
        <translation>Without padding, the same plaintext gives the same ciphertext every time: an attacker can encrypt a guess with the public key and compare.</translation>
    </message>
    <message>
        <source>OAEP&apos;nin rastgele dolgusu eşit açık metinleri gizler: şifreli metinler her seferinde farklıdır, yine de ikisi de aynı açık metne çözülür.</source>
        <translation>OAEP&apos;s random padding hides equal plaintexts: the ciphertexts differ every time, yet both decrypt to the same plaintext.</translation>
    </message>
    <message>
        <source>Şifre çözme ({0}, {1}): {2}</source>
        <translation>Decryption ({0}, {1}): {2}</translation>
    </message>
    <message>
        <source>ders kitabı</source>
        <translation>textbook</translation>
    </message>
    <message>
        <source>Şifrelenecek bir metin yazın (bu anahtarla en fazla {0} bayt).</source>
        <translation>Type a text to encrypt (at most {0} bytes with this key).</translation>
    </message>
    <message>
        <source>Metin bu anahtar için çok uzun: en fazla {0} bayt sığar, bu metnin ise yalnız ilk {1} karakteri.</source>
        <translation>The text is too long for this key: at most {0} bytes fit, only the first {1} characters of this text.</translation>
    </message>
    <message>
        <source>OAEP dolgusu 66 bayt yer tutar, bu anahtara hiçbir metin sığmaz: en az 1024 bitlik bir anahtar üretin.</source>
        <translation>OAEP padding takes 66 bytes, so no text fits this key: generate a key of at least 1024 bits.</translation>
    </message>
    <message>
        <source>İşlem başarısız oldu: {0}</source>
        <translation>The operation failed: {0}</translation>
    </message>
    <message>
        <source>Çarpanlarına ayırma yarışı</source>
        <translation>The factoring race</translation>
    </message>
    <message>
        <source>Her noktada iki rastgele asal sayının çarpımı olan yeni bir n, FLINT&apos;in kuadratik elek yöntemiyle çarpanlarına ayrılır.</source>
        <translation>At each point a fresh n, the product of two random primes, is factored with FLINT&apos;s quadratic sieve.</translation>
    </message>
    <message>
        <source>Bir nokta için sınır:</source>
        <translation>Limit per point:</translation>
    </message>
    <message>
        <source> saniye</source>
        <translation> seconds</translation>
    </message>
    <message>
        <source>Başlat</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Durdur</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>{0} bit: n = p · q bulundu, {1} saniye.</source>
        <translation>{0} bits: n = p · q found in {1} seconds.</translation>
    </message>
    <message>
        <source>Yarış durduruldu.</source>
        <translation>The race was stopped.</translation>
    </message>
    <message>
        <source>Yarış {0} bite ulaştı.</source>
        <translation>The race reached {0} bits.</translation>
    </message>
    <message>
        <source>n sayısının bit sayısı</source>
        <translation>bits of n</translation>
    </message>
    <message>
        <source>Ölçülen (bu bilgisayar)</source>
        <translation>Measured (this computer)</translation>
    </message>
    <message>
        <source>Tahmin (ölçülmedi)</source>
        <translation>Estimate (not measured)</translation>
    </message>
    <message>
        <source>RSA-250 rekoru (2020)</source>
        <translation>RSA-250 record (2020)</translation>
    </message>
    <message>
        <source>Gerçek boyutta RSA penceresini açar: büyük anahtarlar, OAEP dolgusu ve çarpanlarına ayırma yarışı.</source>
        <translation>Opens the real-size RSA window: large keys, OAEP padding and the factoring race.</translation>
    </message>
    <message>
        <source>Gerçek boyut penceresi açılamadı: {0}</source>
        <translation>The real-size window could not be opened: {0}</translation>
    </message>
    <message>
        <source>Gerçek boyutta anahtar: {0} bit</source>
        <translation>Key at real size: {0} bits</translation>
    </message>
    <message>
        <source>p ve q, GMP&apos;nin olasılıklı asallık testinden geçen {0} bitlik rastgele iki asal sayıdır; n = p · q {1} bit, {2} basamaktır.</source>
        <translation>p and q are two random primes of {0} bits that passed GMP&apos;s probable-prime test; n = p · q has {1} bits and {2} digits.</translation>
    </message>
    <message>
        <source>“Kare al ve çarp” yöntemiyle modüler üs alma, üssün ilk bitinden sonraki her bit için bir kare alma ve sonraki her 1 biti için bir çarpma yapar:</source>
        <translation>Modular exponentiation by square-and-multiply takes one squaring for every bit of the exponent after the first, and one multiplication for every further 1 bit:</translation>
    </message>
    <message>
        <source>Üs</source>
        <translation>Exponent</translation>
    </message>
    <message>
        <source>Bit</source>
        <translation>Bits</translation>
    </message>
    <message>
        <source>Kare alma</source>
        <translation>Squarings</translation>
    </message>
    <message>
        <source>Çarpma</source>
        <translation>Multiplications</translation>
    </message>
    <message>
        <source>e (şifreleme)</source>
        <translation>e (encryption)</translation>
    </message>
    <message>
        <source>d (şifre çözme)</source>
        <translation>d (decryption)</translation>
    </message>
    <message>
        <source>Ders kitabı RSA ile iki şifreli metin aynı mı? {0}</source>
        <translation>Are the two textbook RSA ciphertexts the same? {0}</translation>
    </message>
    <message>
        <source>RSA-OAEP ile iki şifreli metin aynı mı? {0}</source>
        <translation>Are the two RSA-OAEP ciphertexts the same? {0}</translation>
    </message>
    <message>
        <source>Dört şifreli metnin dördü de çözülünce açık metni geri verdi.</source>
        <translation>All four ciphertexts decrypted back to the plaintext.</translation>
    </message>
    <message>
        <source>Ölçülen: {0} nokta, {1} ile {2} bit arası. Her noktada iki eşit boylu rastgele asal sayının çarpımı n, FLINT&apos;in kuadratik elek yöntemiyle çarpanlarına ayrıldı; süre yalnızca bu ayırmanın süresidir.</source>
        <translation>Measured: {0} points, from {1} to {2} bits. At each point n, the product of two random primes of equal size, was factored with FLINT&apos;s quadratic sieve; the time is that of the factoring alone.</translation>
    </message>
    <message>
        <source>RSA adım adım: ders notu</source>
        <translation>RSA step by step: handout</translation>
    </message>
    <message>
        <source>Tarih: {0}</source>
        <translation>Date: {0}</translation>
    </message>
    <message>
        <source>Anahtar: p = {0}, q = {1}, n = {2}, e = {3}, d = {4}</source>
        <translation>Key: p = {0}, q = {1}, n = {2}, e = {3}, d = {4}</translation>
    </message>
    <message>
        <source>Anahtar: henüz hesaplanmadı.</source>
        <translation>Key: not computed yet.</translation>
    </message>
    <message>
        <source>PDF hazırlanıyor…</source>
        <translation>Preparing the PDF…</translation>
    </message>
    <message>
        <source>Dosya adı çok uzun: uzantısıyla birlikte en çok 255 bayt olabilir, bu ad {0} bayt.</source>
        <translation>The file name is too long: with its extension it may have at most 255 bytes, and this one has {0}.</translation>
    </message>
    <message>
        <source>Mesajlaşma – gönder: ({0}, {1}) açık anahtarıyla şifreleme</source>
        <translation>Messaging – send: encryption with the public key ({0}, {1})</translation>
    </message>
    <message>
        <source>Gönderen yalnız alıcının açık anahtarını (e, n) bilir. Kart numarası sekiz bloğa bölünür ve her blok c = m{0} mod {1} ile şifrelenir; geri çevirmek için alıcının özel üssü d gerekir.</source>
        <translation>The sender knows only the receiver&apos;s public key (e, n). The card number is cut into eight blocks and every block is encrypted as c = m{0} mod {1}; turning it back takes the receiver&apos;s private exponent d.</translation>
    </message>
    <message>
        <source>Mesajlaşma – al: özel anahtarım (d, n) = ({0}, {1}) ile şifre çözme</source>
        <translation>Messaging – receive: decryption with my private key (d, n) = ({0}, {1})</translation>
    </message>
    <message>
        <source>Her şifreli blok m = c{0} mod {1} ile çözülür. e · d mod φ = 1 olduğundan (mᵉ)ᵈ mod n = m olur; d yalnız anahtarın sahibinde olduğundan bu blokları yalnız o çözebilir.</source>
        <translation>Every cipher block is decrypted as m = c{0} mod {1}. Since e · d mod φ = 1, (mᵉ)ᵈ mod n = m; only the key&apos;s owner has d, so only they can decrypt these blocks.</translation>
    </message>
    <message>
        <source>Bloklar birleşince kart numarası: {0}.</source>
        <translation>The blocks joined give the card number {0}.</translation>
    </message>
    <message>
        <source>Mesajlaşma – imzala: özel anahtarım (d, n) = ({0}, {1}) ile</source>
        <translation>Messaging – sign: with my private key (d, n) = ({0}, {1})</translation>
    </message>
    <message>
        <source>Her blok s = m{0} mod {1} ile imzalanır. İmza şifrelemenin aynasıdır: şifrelemede herkes e ile kilitler, yalnız d sahibi açar; imzada yalnız d sahibi kilitler, herkes e ile açar. İkisi de aynı eşitliğe dayanır: e · d mod φ = 1 olduğundan (mᵈ)ᵉ mod n = (mᵉ)ᵈ mod n = m.</source>
        <translation>Every block is signed as s = m{0} mod {1}. A signature is the mirror of encryption: in encryption anyone locks with e and only the holder of d unlocks; in a signature only the holder of d locks and anyone unlocks with e. Both rest on the same equation: since e · d mod φ = 1, (mᵈ)ᵉ mod n = (mᵉ)ᵈ mod n = m.</translation>
    </message>
    <message>
        <source>Mesajlaşma – imzayı doğrula: ({0}, {1}) açık anahtarıyla</source>
        <translation>Messaging – verify the signature: with the public key ({0}, {1})</translation>
    </message>
    <message>
        <source>Her imza bloğu için s{0} mod {1} hesaplanır ve kart numarasının aynı sıradaki bloğuyla karşılaştırılır.</source>
        <translation>For every signature block, s{0} mod {1} is computed and compared with the card number&apos;s block in the same place.</translation>
    </message>
    <message>
        <source>Şu bloklar uymuyor: {0}. Kart numarası ya da imza değişmiş, ya da imza başka bir özel anahtarla yapılmış.</source>
        <translation>These blocks do not match: {0}. The card number or the signature was changed, or the signature was made with another private key.</translation>
    </message>
    <message>
        <source>Blok {0}: {1}{2} mod {3} = {4}</source>
        <translation>Block {0}: {1}{2} mod {3} = {4}</translation>
    </message>
    <message>
        <source>kart bloğu</source>
        <translation>card block</translation>
    </message>
    <message>
        <source>Mesajlaşma – bana özel anahtar</source>
        <translation>Messaging – a key pair of my own</translation>
    </message>
    <message>
        <source>p = {0} ve q = {1}, işletim sisteminin rastgele kaynağından {2} sayısına kadar olan asallar arasından seçildi; ana pencerenin sabit rastgele dizisi kullanılmadı. n = {3}, φ = (p − 1)(q − 1) = {4}.</source>
        <translation>p = {0} and q = {1} were picked from the primes up to {2} by the operating system&apos;s random source; the main window&apos;s fixed random sequence was not used. n = {3}, φ = (p − 1)(q − 1) = {4}.</translation>
    </message>
    <message>
        <source>e = {0}: φ ile aralarında asal. Genişletilmiş Öklid algoritması d = {1} verir; sağlama: e · d mod φ = 1.</source>
        <translation>e = {0} is coprime with φ. The extended Euclidean algorithm gives d = {1}; check: e · d mod φ = 1.</translation>
    </message>
    <message>
        <source>Mesajlaşma – {0}</source>
        <translation>Messaging – {0}</translation>
    </message>
    <message>
        <source>Mesajlaşma</source>
        <translation>Messaging</translation>
    </message>
    <message>
        <source>Anahtarım</source>
        <translation>My key</translation>
    </message>
    <message>
        <source>Henüz bir anahtarınız yok. Ana pencerede &quot;private anahtarı hesapla&quot; düğmesine basın ya da aşağıda kendinize bir anahtar çifti üretin.</source>
        <translation>You have no key yet. Press &quot;Compute private key&quot; in the main window, or make a key pair of your own below.</translation>
    </message>
    <message>
        <source>Ana pencerenin son hesapladığı anahtar:</source>
        <translation>The key the main window computed last:</translation>
    </message>
    <message>
        <source>Sistemin rastgele kaynağından üretilen anahtar:</source>
        <translation>A key made from the system&apos;s random source:</translation>
    </message>
    <message>
        <source>Açık anahtarım (e, n)</source>
        <translation>My public key (e, n)</translation>
    </message>
    <message>
        <source>Açık anahtarı (e, n) arkadaşlarınıza göndermek için panoya kopyalar</source>
        <translation>Copies the public key (e, n) to the clipboard, to send to your classmates</translation>
    </message>
    <message>
        <source>Bana özel anahtar üret</source>
        <translation>Make a key pair of my own</translation>
    </message>
    <message>
        <source>İşletim sisteminin rastgele kaynağından iki farklı asal seçer, e ve d sayılarını hesaplar</source>
        <translation>Picks two different primes from the operating system&apos;s random source and computes e and d</translation>
    </message>
    <message>
        <source>Asallar en çok:</source>
        <translation>Primes up to:</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>1.000</source>
        <translation>1,000</translation>
    </message>
    <message>
        <source>46.340 (n &lt; 2³¹)</source>
        <translation>46,340 (n &lt; 2³¹)</translation>
    </message>
    <message>
        <source>e (isteğe bağlı):</source>
        <translation>e (optional):</translation>
    </message>
    <message>
        <source>Ana pencereye aktar</source>
        <translation>Use in the main window</translation>
    </message>
    <message>
        <source>p, q ve e sayılarını ana pencereye yazar ve orada private anahtarı hesaplar</source>
        <translation>Writes p, q and e into the main window and computes the private key there</translation>
    </message>
    <message>
        <source>Gönder: arkadaşının açık anahtarıyla şifrele</source>
        <translation>Send: encrypt with a classmate&apos;s public key</translation>
    </message>
    <message>
        <source>Al: özel anahtarımla şifreyi çöz</source>
        <translation>Receive: decrypt with my private key</translation>
    </message>
    <message>
        <source>İmzala: özel anahtarımla</source>
        <translation>Sign: with my private key</translation>
    </message>
    <message>
        <source>İmzayı doğrula: imzalayanın açık anahtarıyla</source>
        <translation>Verify a signature: with the signer&apos;s public key</translation>
    </message>
    <message>
        <source>Kart numarası:</source>
        <translation>Card number:</translation>
    </message>
    <message>
        <source>1234 5678 9012 3456</source>
        <translation>1234 5678 9012 3456</translation>
    </message>
    <message>
        <source>Şifreli bloklar:</source>
        <translation>Cipher blocks:</translation>
    </message>
    <message>
        <source>Şifreyi çöz</source>
        <translation>Decrypt</translation>
    </message>
    <message>
        <source>Dosya aç…</source>
        <translation>Open file…</translation>
    </message>
    <message>
        <source>Kaydet…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>İmzala</source>
        <translation>Sign</translation>
    </message>
    <message>
        <source>İmza blokları:</source>
        <translation>Signature blocks:</translation>
    </message>
    <message>
        <source>Doğrula</source>
        <translation>Verify</translation>
    </message>
    <message>
        <source>Metinde {0} blok var; son sekizi, yani en yeni mesaj okundu.</source>
        <translation>The text holds {0} blocks; the last eight, the newest message, were read.</translation>
    </message>
    <message>
        <source>İmza geçersiz: şu bloklar uymuyor: {0}. Kart numarası ya da imza değişmiş, ya da imza bu açık anahtarın sahibinden gelmiyor.</source>
        <translation>The signature is not valid: these blocks do not match: {0}. The card number or the signature was changed, or the signature does not come from the owner of this public key.</translation>
    </message>
    <message>
        <source>imza (*.SIG)|*.SIG</source>
        <translation>signature (*.SIG)|*.SIG</translation>
    </message>
    <message>
        <source>Kaydedildi: {0}</source>
        <translation>Saved: {0}</translation>
    </message>
    <message>
        <source>Kaydedilecek blok yok: önce bir kart numarası şifreleyin ya da imzalayın.</source>
        <translation>There are no blocks to save: encrypt or sign a card number first.</translation>
    </message>
    <message>
        <source>n, en çok {0} olan bir tam sayı olmalıdır.</source>
        <translation>n must be a whole number no greater than {0}.</translation>
    </message>
    <message>
        <source>e, en çok {0} olan bir tam sayı olmalıdır.</source>
        <translation>e must be a whole number no greater than {0}.</translation>
    </message>
    <message>
        <source>n = {0} sayısı 100 sayısından küçük; iki basamaklı her blok n sayısından küçük olmalıdır.</source>
        <translation>n = {0} is below 100; every two-digit block must be smaller than n.</translation>
    </message>
    <message>
        <source>e = {0} kullanılamaz: açık üs e en az 2 olmalıdır.</source>
        <translation>e = {0} cannot be used: the public exponent e must be at least 2.</translation>
    </message>
    <message>
        <source>e = {0} çift sayıdır: φ = (p − 1)(q − 1) her zaman çift olduğundan çift bir e, φ ile aralarında asal olamaz.</source>
        <translation>e = {0} is even: φ = (p − 1)(q − 1) is always even, so an even e is never coprime with φ.</translation>
    </message>
    <message>
        <source>{1} sayısına kadar olan asallardan φ sayısı e = {0} ile aralarında asal olan bir çift bulunamadı; başka bir e deneyin.</source>
        <translation>No pair of primes up to {1} was found whose φ is coprime with e = {0}; try another e.</translation>
    </message>
    <message>
        <source>{0}. blok ({1}), n = {2} sayısından küçük değil; böyle bir blok bu anahtarla geri getirilemez.</source>
        <translation>Block {0} ({1}) is not smaller than n = {2}; such a block cannot come back with this key.</translation>
    </message>
    <message>
        <source>{0}. blok ({1}) çok büyük; n en çok {2} olabilir.</source>
        <translation>Block {0} ({1}) is too large; n is at most {2}.</translation>
    </message>
    <message>
        <source>{0}. blok bir sayı değil: &quot;{1}&quot;.</source>
        <translation>Block {0} is not a number: &quot;{1}&quot;.</translation>
    </message>
    <message>
        <source>Sekiz blok gerekir, {0} blok bulundu.</source>
        <translation>Eight blocks are needed; {0} were found.</translation>
    </message>
    <message>
        <source>{0}. blok çözülünce {1} verdi, oysa kart numarasının blokları iki basamaklıdır: bloklar başka bir açık anahtarla ya da n sayısına uymayan bir e ile şifrelenmiş.</source>
        <translation>Block {0} decrypted to {1}, but the blocks of a card number have two digits: the blocks were encrypted with another public key, or with an e that does not suit n.</translation>
    </message>
    <message>
        <source>Kart numarası 16 rakam olmalıdır (dörder rakamlık dört grup): &quot;{0}&quot;.</source>
        <translation>The card number must have 16 digits (four groups of four): &quot;{0}&quot;.</translation>
    </message>
    <message>
        <source>Önce bir anahtar çifti edinin: ana pencerede private anahtarı hesaplayın ya da &quot;Bana özel anahtar üret&quot; düğmesine basın.</source>
        <translation>Get a key pair first: compute the private key in the main window, or press &quot;Make a key pair of my own&quot;.</translation>
    </message>
    <message>
        <source>Dosya okunamadı: {0}</source>
        <translation>The file could not be read: {0}</translation>
    </message>
    <message>
        <source>Dosyada {0} satır var; bu türden bir dosya {1} satırdır.</source>
        <translation>The file has {0} lines; a file of this kind has {1}.</translation>
    </message>
    <message>
        <source>Açık anahtarla mesajlaşma penceresini açar: şifreleme, şifre çözme, imzalama ve imza doğrulama.</source>
        <translation>Opens the public-key messaging window: encryption, decryption, signing and signature verification.</translation>
    </message>
    <message>
        <source>Bu haliyle şifreleme güvenli değildir: her blok iki basamaklı olduğundan yalnız 100 olası değer alabilir. Açık anahtar herkese açık olduğundan bir saldırgan 00 ile 99 arasındaki her sayıyı kendisi şifreleyip bu bloklarla karşılaştırır ve kart numarasını d üssünü bilmeden bulur. Gerçek RSA bu yüzden iletiyi şifrelemeden önce rastgele baytlarla doldurur (OAEP dolgusu); böylece aynı ileti her seferinde başka bir şifreli metin verir. &quot;Gerçek boyut&quot; penceresi bunu gösterir.</source>
        <translation>As it stands, this encryption is not secure: each block has two digits, so it can take only 100 values. The public key is known to everyone, so an attacker encrypts every number from 00 to 99 themselves, compares the results with these blocks and finds the card number without knowing the exponent d. That is why real RSA fills the message with random bytes before encrypting it (OAEP padding): the same message then gives a different cipher text each time. The &quot;Real size&quot; window shows this.</translation>
    </message>
    <message>
        <source>Yarış durdu: {0} bitlik iki ayrı sayı da {1} saniyelik sınır içinde çarpanlarına ayrılamadı.</source>
        <translation>The race stopped: neither of two different {0}-bit numbers could be factored within the limit of {1} seconds.</translation>
    </message>
    <message>
        <source>beklenmeyen bir hata</source>
        <translation>an unexpected error</translation>
    </message>
    <message>
        <source>süre (logaritmik ölçek)</source>
        <translation>time (logarithmic scale)</translation>
    </message>
    <message>
        <source>1 ms</source>
        <translation>1 ms</translation>
    </message>
    <message>
        <source>1 saniye</source>
        <translation>1 second</translation>
    </message>
    <message>
        <source>1 saat</source>
        <translation>1 hour</translation>
    </message>
    <message>
        <source>1 yıl</source>
        <translation>1 year</translation>
    </message>
    <message>
        <source>{0} yıl</source>
        <translation>{0} years</translation>
    </message>
    <message>
        <source>Ölçülen noktalar, bu bilgisayarın bir çekirdeğinde FLINT ile alınan sürelerdir. Tahmin ölçülmedi: RSA-250 rekoru (829 bit, 2020, yaklaşık {0} çekirdek-yılı), GNFS yönteminin büyümesi L(n) = exp((64/9)^(1/3) (ln n)^(1/3) (ln ln n)^(2/3)) ile 512, 1024 ve 2048 bite ölçeklendi.</source>
        <translation>The measured points are times taken with FLINT on one core of this computer. The extrapolation is not measured: the RSA-250 record (829 bits, 2020, about {0} core-years) is scaled to 512, 1024 and 2048 bits with the growth of the GNFS, L(n) = exp((64/9)^(1/3) (ln n)^(1/3) (ln ln n)^(2/3)).</translation>
    </message>
    <message>
        <source>Bu tahmine göre 2048 bitlik bir n sayısını çarpanlarına ayırmak tek bir işlemci çekirdeğiyle yaklaşık {0} yıl sürerdi; bir milyon çekirdek birlikte çalışsa bile yaklaşık {1} yıl.</source>
        <translation>By this estimate, factoring a 2048-bit n would take about {0} years on one processor core; even a million cores working together would need about {1} years.</translation>
    </message>
    <message>
        <source>Gerçek boyutta şifreleme: {0} karakter ({1} bayt), {2} bitlik anahtar</source>
        <translation>Encryption at real size: {0} characters ({1} bytes), a {2}-bit key</translation>
    </message>
    <message>
        <source>Gönderen yalnız alıcının açık anahtarını (e, n) bilir. Kart numarası sekiz bloğa bölünür ve her blok c = m{0} mod {1} ile şifrelenir.</source>
        <translation>The sender knows only the receiver&apos;s public key (e, n). The card number is cut into eight blocks and each block is encrypted as c = m{0} mod {1}.</translation>
    </message>
    <message>
        <source>e = {0} çifttir: n &gt; 2 için φ(n) her zaman çift olduğundan e ile φ aralarında asal değildir ve e sayısının tersi yoktur. Bu bloklar hiçbir özel üsle geri çevrilemez; alıcı kart numarasını okuyamaz.</source>
        <translation>e = {0} is even: φ(n) is always even for n &gt; 2, so e is not coprime with φ and has no inverse. No private exponent turns these blocks back; the receiver cannot read the card number.</translation>
    </message>
    <message>
        <source>Sekiz bloğun hepsi geri geldi: bu bloklar bu açık anahtara uyuyor. Bu, imzanın anahtarın sahibinden geldiğini tek başına kanıtlamaz, çünkü ders sürümündeki (ham) RSA imzası d bilinmeden de taklit edilebilir:</source>
        <translation>All eight blocks came back: these blocks fit this public key. That alone does not prove the signature comes from the key&apos;s owner, because the classroom (textbook) RSA signature can be forged without knowing d:</translation>
    </message>
    <message>
        <source>00 ve 01 blokları kendi imzalarıdır: 0ᵉ = 0 ve 1ᵉ = 1.</source>
        <translation>The blocks 00 and 01 are their own signatures: 0ᵉ = 0 and 1ᵉ = 1.</translation>
    </message>
    <message>
        <source>İki imzalı bloğun çarpımı imzalı bir bloktur: s₁ᵉ = m₁ ve s₂ᵉ = m₂ ise (s₁ · s₂)ᵉ mod n = m₁ · m₂ mod n.</source>
        <translation>The product of two signed blocks is a signed block: if s₁ᵉ = m₁ and s₂ᵉ = m₂, then (s₁ · s₂)ᵉ mod n = m₁ · m₂ mod n.</translation>
    </message>
    <message>
        <source>Küçük blokların tam kökü alınabilir: m bir tam sayının e. kuvveti ise (örneğin e = 3 için 8 = 2³), s = ᵉ√m hiç mod almadan imzadır.</source>
        <translation>Small blocks have exact roots: when m is the e-th power of a whole number (for e = 3, 8 = 2³), s = ᵉ√m is its signature without any modulus.</translation>
    </message>
    <message>
        <source>Gerçek imzalarda ileti imzalanmadan önce özetlenir (hash) ve rastgele baytlarla doldurulur (RSA-PSS): imzalanan sayı artık seçilebilir bir blok değildir, çarpım ve kök hileleri geçerli bir dolgu vermez. Böyle bir imzayı yalnız d üssünü bilen hesaplayabilir; d ise n sayısının çarpanları bilinmeden bulunamaz.</source>
        <translation>Real signatures hash the message and pad it with random bytes before signing (RSA-PSS): the number signed is no longer a block anyone can choose, and products and roots do not give a valid padding. Only someone who knows d can compute such a signature, and d cannot be found without the factors of n.</translation>
    </message>
    <message>
        <source>İmza geçerli: bu bloklar bu açık anahtara uyuyor (her sᵉ mod n kartın bloğunu veriyor).</source>
        <translation>The signature is valid: these blocks fit this public key (each sᵉ mod n gives the card&apos;s block).</translation>
    </message>
    <message>
        <source>Geçerli bir denetim yalnız şunu gösterir: her imza bloğu, e ile açılınca kartın bloğunu veriyor. Bu ders sürümündeki imza, d olmadan da taklit edilebilir: 00 ve 01 blokları kendi imzalarıdır, iki imzalı bloğun çarpımı da imzalı bir bloktur ve küçük blokların tam kökleri alınabilir. Gerçek imzalarda ileti imzalanmadan önce özetlenir ve doldurulur (RSA-PSS gibi); böylece bu taklitler işe yaramaz.</source>
        <translation>A valid check shows only this: each signature block, opened with e, gives the card&apos;s block. This classroom signature can be forged without d: the blocks 00 and 01 are their own signatures, the product of two signed blocks is a signed block, and small blocks have exact roots. Real signatures hash and pad the message before signing (as RSA-PSS does), so these forgeries no longer work.</translation>
    </message>
    <message>
        <source>tüm dosyalar (*)|*</source>
        <translation>all files (*)|*</translation>
    </message>
    <message>
        <source>Açık anahtarın e ve n kutuları boş: arkadaşınızın açık anahtarını yazın ya da yapıştırın.</source>
        <translation>The public key&apos;s e and n boxes are empty: type or paste your classmate&apos;s public key.</translation>
    </message>
    <message>
        <source>e kutusu boş: açık anahtarın e sayısını yazın.</source>
        <translation>The e box is empty: type the public key&apos;s e.</translation>
    </message>
    <message>
        <source>n kutusu boş: açık anahtarın n sayısını yazın.</source>
        <translation>The n box is empty: type the public key&apos;s n.</translation>
    </message>
    <message>
        <source>e = {0} kullanılamaz: {1} sayısına kadar olan asallardan yapılan her çiftte e ile şifrelenen blok yine e ile çözülürdü (d = e ya da d = 1 iş görürdü); başka bir e deneyin.</source>
        <translation>e = {0} cannot be used: for every pair of primes up to {1}, a block encrypted with e would also be decrypted with e (d = e or d = 1 would do); try another e.</translation>
    </message>
    <message>
        <source>Yapıştırılan metin {0} karakter; bu kutu en çok {1} karakterlik bir metin alır. Yalnız blokları yapıştırın.</source>
        <translation>The pasted text has {0} characters; this box takes a text of at most {1} characters. Paste only the blocks.</translation>
    </message>
    <message>
        <source>Görev kodunda &quot;{0}&quot; karakteri olamaz ({1}. karakter). Kodlarda rakam olarak yalnız 3, 4 ve 7, harf olarak da B, I, L, O, Q dışındakiler vardır.</source>
        <translation>A task code cannot contain &quot;{0}&quot; (character {1}). Codes use only the digits 3, 4 and 7 and the letters other than B, I, L, O and Q.</translation>
    </message>
    <message>
        <source>Kodda bir karakter yanlış ya da iki karakterin yeri değişmiş: böyle bir görev kodu yok. Kodu yeniden okuyun.</source>
        <translation>A character of the code is wrong or two characters are swapped: there is no such task code. Read the code again.</translation>
    </message>
    <message>
        <source>&quot;{0}&quot; ondalık bir sayı; burada bir tam sayı isteniyor.</source>
        <translation>&quot;{0}&quot; is a decimal number; a whole number is asked for here.</translation>
    </message>
    <message>
        <source>.</source>
        <translation>,</translation>
    </message>
    <message>
        <source>Bu n − 1 = p · q − 1. Euler φ fonksiyonu, 1 ile n arasında n ile aralarında asal olan sayıları sayar; φ(n) = n − 1 yalnız asal bir n için doğrudur. n = p · q için φ(n) = (p − 1)(q − 1).</source>
        <translation>This is n − 1 = p · q − 1. Euler&apos;s totient counts the numbers from 1 to n that are coprime with n; φ(n) = n − 1 holds only for a prime n. For n = p · q, φ(n) = (p − 1)(q − 1).</translation>
    </message>
    <message>
        <source>Sağlama tutmuyor: yazdığınız {0} ile {1} eşitliği sağlanmıyor.</source>
        <translation>The check fails: with your {0}, {1} does not hold.</translation>
    </message>
    <message>
        <source>Genişletilmiş Öklid algoritması φ = {0} ve e = {1} ile başlar. İlk adım: {0} = {2} × {1} + {3}, yani bölüm {2}, sonraki kalan {3}. Kalan 0 olana kadar sürdürün; son t değerinden d = t mod φ.</source>
        <translation>The extended Euclidean algorithm starts with φ = {0} and e = {1}. First step: {0} = {2} × {1} + {3}, so the quotient is {2} and the next remainder {3}. Go on until the remainder is 0; from the last t, d = t mod φ.</translation>
    </message>
    <message>
        <source>Deneme bölmesi: n = {0} sayısını 2 ile, sonra 3, 5, 7, 9, … tek sayılarıyla sırayla bölün; en geç √n ≈ {1} sayısında bir bölen bulunur.</source>
        <translation>Trial division: divide n = {0} by 2, then by the odd numbers 3, 5, 7, 9, … in turn; a divisor turns up at √n ≈ {1} at the latest.</translation>
    </message>
    <message>
        <source>Çözüm gösterildikten sonra bulunursa sonuç kodu: {0}</source>
        <translation>Result code when found after the solution was shown: {0}</translation>
    </message>
    <message>
        <source>{0} asal değildir: 1&apos;den büyük en küçük böleni {2}, {1} = {2} × {3}.</source>
        <translation>{0} is not prime: its smallest divisor greater than 1 is {2}, {1} = {2} × {3}.</translation>
    </message>
    <message>
        <source>Genişletilmiş Öklid algoritması ebob(e, φ) sayısını bulur; her satırda kalan = s · φ + t · e eşitliği sağlanır. Bir satırın bölümü, önceki kalanın bu kalana bölümünün tam kısmıdır. Sonraki satırın kalan, s ve t değerleri &quot;önceki − bölüm × bu&quot; ile bulunur. Kalan 0 olunca durulur; son kalan, ebob sayısıdır.</source>
        <translation>The extended Euclidean algorithm finds gcd(e, φ); every row keeps remainder = s · φ + t · e. The quotient of a row is the integer quotient of the previous remainder by this remainder. The remainder, s and t of the next row are &quot;previous − quotient × this&quot;. It stops when the remainder is 0; the last remainder is the gcd.</translation>
    </message>
    <message>
        <source>kalan</source>
        <translation>remainder</translation>
    </message>
    <message>
        <source>bölüm</source>
        <translation>quotient</translation>
    </message>
    <message>
        <source>{0} = {2}{3} mod {4} = {5}</source>
        <translation>{0} = {2}{3} mod {4} = {5}</translation>
    </message>
    <message>
        <source>{0} = {1}{3} mod {4}, burada {1} = {2}.</source>
        <translation>{0} = {1}{3} mod {4}, where {1} = {2}.</translation>
    </message>
    <message>
        <source>Gönderen yalnız alıcının açık anahtarını (e, n) bilir. Mesajın harfleri harf tablosundaki kodlarıyla bloklara konmuştur ve her blok c = m{0} mod {1} ile şifrelenir; geri çevirmek için alıcının özel üssü d gerekir.</source>
        <translation>The sender knows only the receiver&apos;s public key (e, n). The letters of the message have been put into blocks by their codes in the letter table, and each block is encrypted as c = m{0} mod {1}; turning it back needs the receiver&apos;s private exponent d.</translation>
    </message>
    <message>
        <source>Bu haliyle şifreleme güvenli değildir: aynı blok her seferinde aynı şifreli bloğu verir ve açık anahtar herkese açık olduğundan bir saldırgan olası blokları (bir harflik blokta yalnız 30 tane) kendisi şifreleyip karşılaştırabilir. Gerçek RSA bu yüzden iletiyi şifrelemeden önce rastgele baytlarla doldurur (OAEP dolgusu); böylece aynı ileti her seferinde başka bir şifreli metin verir.</source>
        <translation>As it stands, this encryption is not secure: the same block always gives the same cipher block, and since the public key is known to everyone an attacker can encrypt the possible blocks (only 30 for a block of one letter) and compare. That is why real RSA fills the message with random bytes before encrypting it (OAEP padding): the same message then gives a different cipher text each time.</translation>
    </message>
    <message>
        <source>Bloklar harf tablosuyla harflere çevrilince mesaj: {0}.</source>
        <translation>Turned into letters with the letter table, the blocks give the message: {0}.</translation>
    </message>
    <message>
        <source>Her imza bloğu için s{0} mod {1} hesaplanır ve mesajın aynı sıradaki bloğuyla karşılaştırılır.</source>
        <translation>For each signature block s{0} mod {1} is computed and compared with the message&apos;s block in the same place.</translation>
    </message>
    <message>
        <source>Blokların hepsi geri geldi: bu bloklar bu açık anahtara uyuyor. Bu, imzanın anahtarın sahibinden geldiğini tek başına kanıtlamaz, çünkü ders sürümündeki (ham) RSA imzası d bilinmeden de taklit edilebilir:</source>
        <translation>Every block came back: these blocks fit this public key. That alone does not prove the signature comes from the key&apos;s owner, because the classroom (textbook) RSA signature can be forged without knowing d:</translation>
    </message>
    <message>
        <source>Şu bloklar uymuyor: {0}. Mesaj ya da imza değişmiş, ya da imza başka bir özel anahtarla yapılmış.</source>
        <translation>These blocks do not match: {0}. The message or the signature was changed, or the signature was made with another private key.</translation>
    </message>
    <message>
        <source>mesaj bloğu</source>
        <translation>message block</translation>
    </message>
    <message>
        <source>Mesajlaşma – harf tablosu ve mesajın blokları (n = {0})</source>
        <translation>Messaging – the letter table and the message&apos;s blocks (n = {0})</translation>
    </message>
    <message>
        <source>harf</source>
        <translation>letter</translation>
    </message>
    <message>
        <source>kod</source>
        <translation>code</translation>
    </message>
    <message>
        <source>harfler</source>
        <translation>letters</translation>
    </message>
    <message>
        <source>n = {0} için bir bloğa {1} harf konur: {1} harflik en büyük blok {2}, n sayısından küçüktür; bir harf daha eklenirse en büyük blok {3} olur ve n sayısından küçük kalmaz.</source>
        <translation>For n = {0} a block holds {1} letters: the largest block of {1} letters, {2}, is below n; with one letter more the largest block would be {3}, which is not below n.</translation>
    </message>
    <message>
        <source>Harflerle mesaj</source>
        <translation>A message in letters</translation>
    </message>
    <message>
        <source>Mesaj:</source>
        <translation>Message:</translation>
    </message>
    <message>
        <source>MERHABA</source>
        <translation>MERHABA</translation>
    </message>
    <message>
        <source>Mesajı şifrele</source>
        <translation>Encrypt the message</translation>
    </message>
    <message>
        <source>Mesajı çöz</source>
        <translation>Decrypt the message</translation>
    </message>
    <message>
        <source>Mesajı imzala</source>
        <translation>Sign the message</translation>
    </message>
    <message>
        <source>Mesaj imzasını doğrula</source>
        <translation>Verify the message&apos;s signature</translation>
    </message>
    <message>
        <source>Çözülen mesaj:</source>
        <translation>Decrypted message:</translation>
    </message>
    <message>
        <source>Harf tablosu</source>
        <translation>Letter table</translation>
    </message>
    <message>
        <source>boşluk</source>
        <translation>blank</translation>
    </message>
    <message>
        <source>Her harf iki basamaklı bir sayıdır (A = 00 … Z = 28, boşluk = 29). Bir bloğa, blok n sayısından küçük kaldıkça yan yana harf konur: n, 29 sayısından büyükse bir harf, 2929 sayısından büyükse iki, 292929 sayısından büyükse üç, 29292929 sayısından büyükse dört harf. Son blok boşlukla tamamlanır.</source>
        <translation>Each letter is a two-digit number (A = 00 … Z = 28, blank = 29). A block takes letters side by side as long as it stays below n: one letter when n is above 29, two above 2929, three above 292929, four above 29292929. The last block is filled up with blanks.</translation>
    </message>
    <message>
        <source>Dikkat: her blokta bir harf olduğundan aynı harfler aynı şifreli bloğu verir. Uzun bir mesajda en sık görülen blok büyük olasılıkla A ya da E harfidir; sınıf mesajı d üssünü bilmeden, harf sıklıklarından tahmin edebilir.</source>
        <translation>Note: with one letter a block, equal letters give equal cipher blocks. In a long message the most frequent block is most likely A or E; the class can guess the message from letter frequencies, without knowing d.</translation>
    </message>
    <message>
        <source>Bloklar ne sıklıkla geçiyor, Türkçe metinde harfler ne sıklıkla geçiyor</source>
        <translation>How often each block occurs, and how often letters occur in Turkish text</translation>
    </message>
    <message>
        <source>Bu mesajın blokları: {0}</source>
        <translation>Blocks of this message: {0}</translation>
    </message>
    <message>
        <source>Türkçe metinde harfler: {0}</source>
        <translation>Letters in Turkish text: {0}</translation>
    </message>
    <message>
        <source>Her blokta tek harf varken aynı harf hep aynı bloğu verir; bu yüzden blokların sıklığı harflerin sıklığını izler. En sık bloğu A, sonrakileri E, İ, N, R, L ile deneyerek sınıf mesajı d üssü olmadan tahmin edebilir. Gerçek RSA bu yüzden iletiyi şifrelemeden önce rastgele baytlarla doldurur (OAEP dolgusu): aynı ileti her seferinde başka bir şifreli metin verir ve sıklıklar hiçbir şey söylemez.</source>
        <translation>With one letter a block, the same letter always gives the same block, so how often the blocks occur follows how often the letters occur. Trying A for the most frequent block and E, İ, N, R, L for the next ones, the class can guess the message without d. That is why real RSA fills the message with random bytes before encrypting it (OAEP padding): the same message then gives a different cipher text each time, and the frequencies tell nothing.</translation>
    </message>
    <message>
        <source>İmza geçersiz: şu bloklar uymuyor: {0}. Mesaj ya da imza değişmiş, ya da imza bu açık anahtarın sahibinden gelmiyor.</source>
        <translation>The signature is not valid: these blocks do not match: {0}. The message or the signature was changed, or the signature does not come from the owner of this public key.</translation>
    </message>
    <message>
        <source>{0} ×{1}</source>
        <translation>{0} ×{1}</translation>
    </message>
    <message>
        <source>{0} %{1},{2}</source>
        <translation>{0} {1}.{2}%</translation>
    </message>
    <message>
        <source>Kaydedilecek blok yok: önce bir mesaj şifreleyin ya da imzalayın.</source>
        <translation>There are no blocks to save: encrypt or sign a message first.</translation>
    </message>
    <message>
        <source>Mesajın {0}. karakteri &quot;{1}&quot; kullanılamaz: mesajda yalnız Türk alfabesinin 29 harfi ve boşluk olabilir.</source>
        <translation>Character {0} of the message, &quot;{1}&quot;, cannot be used: a message holds only the 29 letters of the Turkish alphabet and the blank.</translation>
    </message>
    <message>
        <source>Mesajda hiç harf yok: en az bir harf yazın.</source>
        <translation>The message has no letter: type at least one.</translation>
    </message>
    <message>
        <source>Mesaj {0} karakter; en çok {1} karakter olabilir.</source>
        <translation>The message has {0} characters; it may have at most {1}.</translation>
    </message>
    <message>
        <source>n = {0} sayısı 30 sayısından küçük; bir harfin kodu (en çok 29) bile n sayısından küçük kalmaz.</source>
        <translation>n = {0} is below 30; not even the code of one letter (up to 29) stays below n.</translation>
    </message>
    <message>
        <source>Metinde hiç blok yok.</source>
        <translation>The text holds no block.</translation>
    </message>
    <message>
        <source>{0}. blok çözülünce {1} verdi; bu, {2} harflik bir blok değildir (her harfin kodu 00 ile 29 arasındadır): bloklar başka bir açık anahtarla şifrelenmiş ya da harf değil.</source>
        <translation>Block {0} decrypted to {1}, which is not made of {2} letter codes (every code lies between 00 and 29): the blocks were encrypted with another public key, or do not hold letters.</translation>
    </message>
    <message>
        <source>İmzada {0} blok var, oysa mesaj bu n ile {1} bloğa bölünür.</source>
        <translation>The signature has {0} blocks, but with this n the message packs into {1}.</translation>
    </message>
    <message>
        <source>Bu dosyada harflerle yazılmış bir mesaj yok: ilk satırı &quot;HARFLER&quot; değil, &quot;{0}&quot;.</source>
        <translation>This file holds no message in letters: its first line is not &quot;HARFLER&quot; but &quot;{0}&quot;.</translation>
    </message>
    <message>
        <source>Kötü yapılmış büyük anahtarlara saldırılar</source>
        <translation>Attacks on big keys made badly</translation>
    </message>
    <message>
        <source>Bazı saldırılar gerçek boyutta da işe yarar, yeter ki anahtar kötü yapılmış olsun. Buradaki anahtarlar bilerek kötü yapılır: d çok küçük (Wiener), p ile q birbirine çok yakın (Fermat) ya da birçok anahtar arasında bazıları bir asalı paylaşıyor.</source>
        <translation>Some attacks work at real size too, as long as the key was made badly. The keys here are made badly on purpose: d very small (Wiener), p and q very close to each other (Fermat), or among many keys some share a prime.</translation>
    </message>
    <message>
        <source>Anahtar boyu:</source>
        <translation>Key size:</translation>
    </message>
    <message>
        <source>Wiener: küçük d</source>
        <translation>Wiener: small d</translation>
    </message>
    <message>
        <source>Fermat: yakın asallar</source>
        <translation>Fermat: close primes</translation>
    </message>
    <message>
        <source>Anahtar sayısı:</source>
        <translation>Number of keys:</translation>
    </message>
    <message>
        <source>Asal paylaşan çift:</source>
        <translation>Pairs sharing a prime:</translation>
    </message>
    <message>
        <source>Ortak asalları ara</source>
        <translation>Search for shared primes</translation>
    </message>
    <message>
        <source>{0} bitlik, d&apos;si yalnız {1} bit olan bir anahtar üretiliyor…</source>
        <translation>Making a key of {0} bits whose d has only {1} bits…</translation>
    </message>
    <message>
        <source>{0} bitlik, p ile q&apos;nun üst yarısı aynı olan bir anahtar üretiliyor…</source>
        <translation>Making a key of {0} bits whose p and q share their top half…</translation>
    </message>
    <message>
        <source>{1} bitlik {0} modül üretiliyor, sonra ebob&apos;lar ölçülüyor…</source>
        <translation>Making {0} moduli of {1} bits, then measuring the gcds…</translation>
    </message>
    <message>
        <source>Wiener: {0} yakınsağın hiçbiri d&apos;yi vermedi; d, Wiener sınırının üstünde.</source>
        <translation>Wiener: none of the {0} convergents gave d; d is above Wiener&apos;s bound.</translation>
    </message>
    <message>
        <source>n {0} bit, e {1} bit. Wiener sınırı n^¼ / 3 {2} bittir; gizli d {3} bit.
e/n sürekli kesrinin {4}. yakınsağı k/d: d = {5}
φ(n) = (e · d − 1) / k ile x² − (n − φ(n) + 1) x + n = 0 denkleminin tam sayı kökleri, tam sayı karekökle:
p = {6}
q = {7}
Denetim: p · q = n ve e · d mod φ(n) = 1.</source>
        <translation>n has {0} bits, e {1} bits. Wiener&apos;s bound n^¼ / 3 has {2} bits; the secret d has {3} bits.
Convergent {4} of the continued fraction of e/n is k/d: d = {5}
With φ(n) = (e · d − 1) / k, the whole roots of x² − (n − φ(n) + 1) x + n = 0, found with the integer square root:
p = {6}
q = {7}
Check: p · q = n and e · d mod φ(n) = 1.</translation>
    </message>
    <message>
        <source>Fermat: {0} adımda kare bulunamadı; p ile q birbirinden uzak.</source>
        <translation>Fermat: no square in {0} values of a; p and q are far apart.</translation>
    </message>
    <message>
        <source>n {0} bit; p ile q&apos;nun üst {1} biti aynı. a = ⌈√n⌉ ile başlanınca {2}. adımda a² − n bir kare oldu, b²:
a = {3}
b = {4}
n = (a − b)(a + b):
p = {5}
q = {6}
Denetim: p · q = n.</source>
        <translation>n has {0} bits; p and q share their top {1} bits. Starting from a = ⌈√n⌉, at step {2} a² − n was a square, b²:
a = {3}
b = {4}
n = (a − b)(a + b):
p = {5}
q = {6}
Check: p · q = n.</translation>
    </message>
    <message>
        <source>{0} anahtarın {1} tanesinin asalları toplu ebob ile {2} saniyede bulundu: {3}. anahtar.</source>
        <translation>The batch GCD found the primes of {1} of the {0} keys in {2} seconds: keys {3}.</translation>
    </message>
    <message>
        <source>{0} anahtarın hiçbiri başka bir anahtarla asal paylaşmıyor (toplu ebob, {1} saniye).</source>
        <translation>None of the {0} keys shares a prime with another key (batch GCD, {1} seconds).</translation>
    </message>
    <message>
        <source>Saldırı durduruldu.</source>
        <translation>The attack was stopped.</translation>
    </message>
    <message>
        <source>Toplu ebob (çarpım ve kalan ağaçları)</source>
        <translation>Batch GCD (product and remainder trees)</translation>
    </message>
    <message>
        <source>Her çiftin ebob&apos;u</source>
        <translation>gcd of every pair</translation>
    </message>
    <message>
        <source>anahtar sayısı N</source>
        <translation>number of keys N</translation>
    </message>
    <message>
        <source>süre (saniye)</source>
        <translation>time (seconds)</translation>
    </message>
    <message>
        <source>2012&apos;deki “Mining your Ps and Qs” taramasında (Heninger, Durumeric, Wustrow, Halderman, USENIX Security) zayıf rastgele sayı üreteçleri yüzünden TLS sunucularının yüzde 0,50&apos;sinin ve SSH sunucularının yüzde 0,03&apos;ünün gizli anahtarı, ortak asallar bu yolla bulunarak ele geçirilebildi. Toplu ebob, N modülün çarpımı P&apos;yi bir ağaçla kurar ve her nᵢ için zᵢ = P mod nᵢ² hesaplar; ebob(nᵢ, zᵢ / nᵢ) 1 değilse nᵢ&apos;nin bir asalı başka bir modülde de vardır. Süresi yaklaşık N log² N ile büyür, her çiftin ebob&apos;u ise N² / 2 ile; çiftler yalnız küçük N için ölçülür.</source>
        <translation>In the 2012 survey “Mining your Ps and Qs” (Heninger, Durumeric, Wustrow, Halderman, USENIX Security), weak random number generators made the private keys of 0.50% of TLS hosts and 0.03% of SSH hosts recoverable, by finding shared primes this way. The batch GCD builds the product P of the N moduli with a tree and computes zᵢ = P mod nᵢ² for each nᵢ; when gcd(nᵢ, zᵢ / nᵢ) is not 1, a prime of nᵢ is in another modulus too. Its time grows about as N log² N, that of the gcd of every pair as N² / 2; the pairs are measured for small N only.</translation>
    </message>
    <message>
        <source>Fermat: n, {0} adımda, {1} milisaniyede çarpanlarına ayrıldı.</source>
        <translation>Fermat: n factored at step {0}, in {1} milliseconds.</translation>
    </message>
    <message>
        <source>{0}. anahtar: başka bir anahtarla ortak asalı {1}</source>
        <translation>Key {0}: its prime shared with another key is {1}</translation>
    </message>
    <message>
        <source>Saldırılar</source>
        <translation>Attacks</translation>
    </message>
    <message>
        <source>Saldırı:</source>
        <translation>Attack:</translation>
    </message>
    <message>
        <source>Sayılar:</source>
        <translation>Numbers:</translation>
    </message>
    <message>
        <source>Hazır örnek</source>
        <translation>Ready example</translation>
    </message>
    <message>
        <source>Başarısız olduğu örnek</source>
        <translation>Example where it fails</translation>
    </message>
    <message>
        <source>Yeni rastgele örnek</source>
        <translation>New random example</translation>
    </message>
    <message>
        <source>Ana pencerenin anahtarı</source>
        <translation>The main window&apos;s key</translation>
    </message>
    <message>
        <source>Saldır</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>Saldırıyı yazılan sayılarla adım adım çalıştırır</source>
        <translation>Runs the attack step by step on the numbers typed</translation>
    </message>
    <message>
        <source>Sayıları boşlukla ayırarak yazın; beklenen sıra yukarıda yazar</source>
        <translation>Type the numbers separated by blanks, in the order shown above</translation>
    </message>
    <message>
        <source>Ana pencerede henüz hesaplanmış bir anahtar yok ya da bu saldırı tek bir anahtarla yapılamaz.</source>
        <translation>The main window has no computed key yet, or this attack cannot be done with a single key.</translation>
    </message>
    <message>
        <source>Fermat yöntemi: birbirine yakın asallar</source>
        <translation>Fermat&apos;s method: primes close together</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Pollard p − 1 yöntemi</source>
        <translation>Pollard&apos;s p − 1 method</translation>
    </message>
    <message>
        <source>n, sınır B</source>
        <translation>n, bound B</translation>
    </message>
    <message>
        <source>Ortak asal çarpan</source>
        <translation>A shared prime factor</translation>
    </message>
    <message>
        <source>n₁, n₂, … (en az iki açık anahtarın n sayısı)</source>
        <translation>n₁, n₂, … (the n of at least two public keys)</translation>
    </message>
    <message>
        <source>Dolgusuz küçük e</source>
        <translation>Small e without padding</translation>
    </message>
    <message>
        <source>n, e, c</source>
        <translation>n, e, c</translation>
    </message>
    <message>
        <source>Håstad&apos;ın yayın saldırısı</source>
        <translation>Håstad&apos;s broadcast attack</translation>
    </message>
    <message>
        <source>e, n₁ … nₑ, c₁ … cₑ</source>
        <translation>e, n₁ … nₑ, c₁ … cₑ</translation>
    </message>
    <message>
        <source>Ortak modül</source>
        <translation>Common modulus</translation>
    </message>
    <message>
        <source>n, e₁, e₂, c₁, c₂</source>
        <translation>n, e₁, e₂, c₁, c₂</translation>
    </message>
    <message>
        <source>Wiener saldırısı: küçük d</source>
        <translation>Wiener&apos;s attack: a small d</translation>
    </message>
    <message>
        <source>n, e</source>
        <translation>n, e</translation>
    </message>
    <message>
        <source>Şekil verilebilirlik ve seçilmiş şifreli metin</source>
        <translation>Malleability and a chosen cipher text</translation>
    </message>
    <message>
        <source>Sahte imza</source>
        <translation>Forged signature</translation>
    </message>
    <message>
        <source>n, e, m₁, s₁, m₂, s₂</source>
        <translation>n, e, m₁, s₁, m₂, s₂</translation>
    </message>
    <message>
        <source>ÇKT ile imzada hata (Bellcore)</source>
        <translation>A fault in CRT signing (Bellcore)</translation>
    </message>
    <message>
        <source>n, e, m, hatalı imza s′</source>
        <translation>n, e, m, faulty signature s′</translation>
    </message>
    <message>
        <source>Saldırı – {0}</source>
        <translation>Attack – {0}</translation>
    </message>
    <message>
        <source>Durum</source>
        <translation>Situation</translation>
    </message>
    <message>
        <source>Adımlar</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Gerçek RSA neden böyle kırılmaz</source>
        <translation>Why real RSA is not broken this way</translation>
    </message>
    <message>
        <source>Saldırı burada tutmaz</source>
        <translation>Here the attack fails</translation>
    </message>
    <message>
        <source>Sayılar: {0}.</source>
        <translation>Numbers: {0}.</translation>
    </message>
    <message>
        <source>Saldırgan yalnız açık anahtardaki n sayısını bilir. Anahtarı üreten p ve q asallarını birbirine çok yakın seçmiştir. O zaman n = a² − b² = (a − b)(a + b) olacak biçimde √n sayısının hemen üstünde bir a vardır: a sayısı √n sayısından başlayarak birer artırılır, a² − n tam kare olunca p = a − b, q = a + b bulunur.</source>
        <translation>The attacker knows only n from the public key. Whoever made the key chose p and q very close to each other. Then there is an a just above √n with n = a² − b² = (a − b)(a + b): a starts from √n and goes up by one; when a² − n is a perfect square, p = a − b and q = a + b.</translation>
    </message>
    <message>
        <source>Saldırgan n sayısını bilir. p − 1 sayısının bütün asal çarpanları küçüktür, yani p − 1 sayısı B! sayısını böler. Fermat&apos;nın küçük teoremine göre 2^(B!) mod p = 1 olur; bu yüzden ebob(2^(B!) − 1, n) sayısı p asalını verir.</source>
        <translation>The attacker knows n. All prime factors of p − 1 are small, so p − 1 divides B!. By Fermat&apos;s little theorem 2^(B!) mod p = 1, so gcd(2^(B!) − 1, n) gives the prime p.</translation>
    </message>
    <message>
        <source>Saldırgan birkaç açık anahtarın n sayılarını bilir. Anahtarlar kötü bir rastgele kaynakla üretildiği için iki anahtar aynı asalı kullanmıştır. İki n sayısının ebob değeri genişletilmiş Öklid algoritmasıyla hemen bulunur ve ikisini de çarpanlarına ayırır.</source>
        <translation>The attacker knows the n of several public keys. The keys were made with a poor random source, so two keys use the same prime. The gcd of two n is found at once by the extended Euclidean algorithm and factors both.</translation>
    </message>
    <message>
        <source>Saldırgan açık anahtarı (e, n) ve bir şifreli blok c bilir. e küçüktür ve ileti dolgusuz şifrelenmiştir; mᵉ sayısı n sayısından küçük kaldığı için mod n&apos;ye göre indirgeme hiç olmamıştır: c = mᵉ. c sayısının tam e. kökü iletidir.</source>
        <translation>The attacker knows the public key (e, n) and a cipher block c. e is small and the message was encrypted without padding; mᵉ stayed below n, so no reduction mod n took place: c = mᵉ. The exact e-th root of c is the message.</translation>
    </message>
    <message>
        <source>Aynı ileti m, açık üssü e olan e kişiye dolgusuz gönderilmiştir. Saldırgan her alıcının n sayısını ve şifreli blokları bilir. Çin kalan teoremi mᵉ sayısını bütün n sayılarının çarpımına göre verir; mᵉ bu çarpımdan küçük olduğundan tam e. kökü iletidir.</source>
        <translation>The same message m was sent without padding to e people whose public exponent is e. The attacker knows each recipient&apos;s n and the cipher blocks. The Chinese remainder theorem gives mᵉ modulo the product of all the n; since mᵉ is below that product, its exact e-th root is the message.</translation>
    </message>
    <message>
        <source>Aynı ileti aynı n ile ama iki farklı açık üsle (e₁ ve e₂) şifrelenmiştir. Saldırgan n, e₁, e₂ ve iki şifreli bloğu bilir. ebob(e₁, e₂) = 1 ise genişletilmiş Öklid algoritması a · e₁ + b · e₂ = 1 eşitliğini verir ve m = c₁ᵃ · c₂ᵇ mod n olur.</source>
        <translation>The same message was encrypted with the same n but two different public exponents (e₁ and e₂). The attacker knows n, e₁, e₂ and both cipher blocks. If gcd(e₁, e₂) = 1, the extended Euclidean algorithm gives a · e₁ + b · e₂ = 1, and m = c₁ᵃ · c₂ᵇ mod n.</translation>
    </message>
    <message>
        <source>Saldırgan açık anahtarı (e, n) bilir. Şifre çözmeyi hızlandırmak için özel üs d çok küçük seçilmiştir. e · d − k · φ = 1 olduğundan k/d kesri e/n kesrine çok yakındır ve e/n sayısının sürekli kesrinin yakınsaklarından biridir. Her yakınsak için φ = (e · d − 1)/k hesaplanır ve x² − (n − φ + 1)x + n = 0 denkleminin tam sayı kökleri aranır.</source>
        <translation>The attacker knows the public key (e, n). To speed up decryption the private exponent d was chosen very small. Since e · d − k · φ = 1, the fraction k/d is very close to e/n and is one of the convergents of the continued fraction of e/n. For each convergent φ = (e · d − 1)/k is computed and whole roots of x² − (n − φ + 1)x + n = 0 are sought.</translation>
    </message>
    <message>
        <source>Dolgusuz RSA çarpmayla uyumludur: E(a) · E(b) mod n = E(a · b). Saldırgan c şifreli bloğunu ve açık anahtarı bilir; anahtarın sahibi c dışındaki her bloğu onun için çözer. Saldırgan c · 2ᵉ mod n bloğunu çözdürür, 2m mod n sayısını alır ve 2 sayısının mod n&apos;ye göre tersiyle çarpar.</source>
        <translation>Textbook RSA respects multiplication: E(a) · E(b) mod n = E(a · b). The attacker knows the cipher block c and the public key; the key&apos;s owner decrypts any block other than c for them. The attacker has c · 2ᵉ mod n decrypted, gets 2m mod n and multiplies by the inverse of 2 mod n.</translation>
    </message>
    <message>
        <source>Saldırgan iki iletinin imzasını bilir; özel üs d elinde yoktur. İmzalar dolgusuz olduğundan s₁ · s₂ mod n sayısı m₁ · m₂ mod n iletisinin geçerli imzasıdır. 00 ve 01 blokları da kendi kendilerinin imzasıdır: 0ᵈ = 0 ve 1ᵈ = 1.</source>
        <translation>The attacker knows the signatures of two messages but not the private exponent d. Since the signatures have no padding, s₁ · s₂ mod n is a valid signature of the message m₁ · m₂ mod n. Blocks 00 and 01 are also their own signatures: 0ᵈ = 0 and 1ᵈ = 1.</translation>
    </message>
    <message>
        <source>İmzalayan, hız için imzayı Çin kalan teoremiyle mod p ve mod q yarılarında ayrı ayrı hesaplar. Yarılardan birinde bir hata olmuş ve imza denetlenmeden gönderilmiştir. Hatalı s′ imzası mod p&apos;ye göre doğru, mod q&apos;ya göre yanlıştır; bu yüzden ebob(s′ᵉ − m, n) = p olur.</source>
        <translation>For speed, the signer computes the signature with the Chinese remainder theorem, separately in its mod-p and mod-q halves. A fault occurred in one half and the signature was sent without being checked. The faulty signature s′ is right mod p and wrong mod q, so gcd(s′ᵉ − m, n) = p.</translation>
    </message>
    <message>
        <source>Gerçek anahtarlarda p ve q birbirinden bağımsız, rastgele ve aynı büyüklükte seçilir; aralarındaki fark n sayısının dördüncü kökünden çok büyüktür, Fermat yöntemi milyarlarca yıl sürer. Standartlar p − q farkının büyük olmasını ayrıca denetler.</source>
        <translation>In real keys p and q are chosen independently, at random and of the same size; their difference is far larger than the fourth root of n, and Fermat&apos;s method would take billions of years. Standards also check separately that p − q is large.</translation>
    </message>
    <message>
        <source>Rastgele seçilmiş 1024 bitlik bir asalda p − 1 sayısının yalnız küçük çarpanlardan oluşması neredeyse imkânsızdır; bu yüzden gerçek anahtarlar bu yöntemle kırılmaz.</source>
        <translation>For a randomly chosen 1024-bit prime it is practically impossible that p − 1 has only small factors, so real keys are not broken by this method.</translation>
    </message>
    <message>
        <source>İyi bir rastgele kaynakla üretilen anahtarlar asal paylaşmaz: 1024 bitlik asalların sayısı o kadar büyüktür ki iki anahtarın aynı asala düşmesi olanaksızdır. 2012&apos;de bulunan ortak asallar, açılışta yeterince rastgelelik toplayamayan cihazlardan geliyordu.</source>
        <translation>Keys made with a good random source share no primes: there are so many 1024-bit primes that two keys landing on the same prime is out of the question. The shared primes found in 2012 came from devices that could not gather enough randomness at start-up.</translation>
    </message>
    <message>
        <source>Gerçek RSA iletiyi şifrelemeden önce OAEP dolgusuyla n büyüklüğünde rastgele görünen bir sayıya çevirir; mᵉ her zaman n sayısını aşar ve indirgeme kökü gizler. Açık üs de genellikle 65537 seçilir.</source>
        <translation>Real RSA turns the message into a random-looking number the size of n with OAEP padding before encrypting; mᵉ always exceeds n and the reduction hides the root. The public exponent is usually 65537, too.</translation>
    </message>
    <message>
        <source>OAEP dolgusu her gönderimde iletiye yeni rastgele baytlar katar; alıcılar aynı m sayısını değil, her biri başka bir sayıyı alır ve Çin kalan teoremi ortak bir mᵉ vermez.</source>
        <translation>OAEP padding adds new random bytes to the message on every sending; the recipients do not receive the same m but each a different number, and the Chinese remainder theorem gives no common mᵉ.</translation>
    </message>
    <message>
        <source>Gerçek RSA&apos;da her kişinin kendi n sayısı vardır; n paylaşılmaz, çünkü bir anahtar çiftini bilen n sayısını çarpanlarına ayırabilir. Dolgu da aynı iletiyi her seferinde başka bir sayıya çevirir.</source>
        <translation>In real RSA each person has their own n; n is never shared, because anyone who knows one key pair can factor n. Padding also turns the same message into a different number each time.</translation>
    </message>
    <message>
        <source>Gerçek anahtarlarda e = 65537 seçilir ve d, φ kadar büyük bir sayı olur; n^¼/3 sınırının çok üstündedir. Şifre çözmeyi hızlandırmak için d küçültülmez, Çin kalan teoremi kullanılır.</source>
        <translation>Real keys use e = 65537, and d is a number as large as φ, far above the bound n^¼/3. Decryption is not sped up by making d small but with the Chinese remainder theorem.</translation>
    </message>
    <message>
        <source>OAEP dolgusu çarpmayla uyumu bozar: c · 2ᵉ bloğu çözülünce geçerli bir dolgu çıkmaz ve çözen taraf sonucu vermeden reddeder.</source>
        <translation>OAEP padding breaks the multiplicative property: when the block c · 2ᵉ is decrypted no valid padding comes out, and the decrypting side refuses without giving the result.</translation>
    </message>
    <message>
        <source>Gerçek imzalarda iletinin kendisi değil, özet değeri PSS dolgusuyla imzalanır. İki imzanın çarpımı hiçbir iletinin geçerli dolgulu özeti olmaz.</source>
        <translation>Real signatures do not sign the message itself but its hash, with PSS padding. The product of two signatures is not the valid padded hash of any message.</translation>
    </message>
    <message>
        <source>İmzalayan, Çin kalan teoremiyle hesapladığı imzayı göndermeden önce sᵉ mod n = m olup olmadığını denetler; hatalı imza hiç dışarı çıkmaz. PSS dolgusu da imzalananı saldırgandan gizler.</source>
        <translation>The signer checks whether sᵉ mod n = m before sending a signature computed with the Chinese remainder theorem; a faulty signature never leaves. PSS padding also hides what is signed from the attacker.</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>a² − n</source>
        <translation>a² − n</translation>
    </message>
    <message>
        <source>tam kare mi?</source>
        <translation>perfect square?</translation>
    </message>
    <message>
        <source>j</source>
        <translation>j</translation>
    </message>
    <message>
        <source>a = a^j mod n</source>
        <translation>a = a^j mod n</translation>
    </message>
    <message>
        <source>ebob(a − 1, n)</source>
        <translation>gcd(a − 1, n)</translation>
    </message>
    <message>
        <source>n₁</source>
        <translation>n₁</translation>
    </message>
    <message>
        <source>n₂</source>
        <translation>n₂</translation>
    </message>
    <message>
        <source>ebob(n₁, n₂)</source>
        <translation>gcd(n₁, n₂)</translation>
    </message>
    <message>
        <source>sayı</source>
        <translation>number</translation>
    </message>
    <message>
        <source>tam kök r</source>
        <translation>whole root r</translation>
    </message>
    <message>
        <source>rᵉ</source>
        <translation>rᵉ</translation>
    </message>
    <message>
        <source>tam mı?</source>
        <translation>exact?</translation>
    </message>
    <message>
        <source>cᵢ</source>
        <translation>cᵢ</translation>
    </message>
    <message>
        <source>nᵢ</source>
        <translation>nᵢ</translation>
    </message>
    <message>
        <source>Nᵢ = N / nᵢ</source>
        <translation>Nᵢ = N / nᵢ</translation>
    </message>
    <message>
        <source>Nᵢ⁻¹ mod nᵢ</source>
        <translation>Nᵢ⁻¹ mod nᵢ</translation>
    </message>
    <message>
        <source>cᵢ · Nᵢ · Nᵢ⁻¹ mod N</source>
        <translation>cᵢ · Nᵢ · Nᵢ⁻¹ mod N</translation>
    </message>
    <message>
        <source>satır</source>
        <translation>row</translation>
    </message>
    <message>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>i</source>
        <translation>i</translation>
    </message>
    <message>
        <source>kısmi bölüm</source>
        <translation>partial quotient</translation>
    </message>
    <message>
        <source>k/d</source>
        <translation>k/d</translation>
    </message>
    <message>
        <source>φ = (e · d − 1)/k</source>
        <translation>φ = (e · d − 1)/k</translation>
    </message>
    <message>
        <source>x² − sx + n, s</source>
        <translation>x² − sx + n, s</translation>
    </message>
    <message>
        <source>kökler</source>
        <translation>roots</translation>
    </message>
    <message>
        <source>hesap</source>
        <translation>computation</translation>
    </message>
    <message>
        <source>sonuç</source>
        <translation>result</translation>
    </message>
    <message>
        <source>√{0} sayısının tam kısmı {1}; a = {2} ile başlanır.</source>
        <translation>The whole part of √{0} is {1}; start from a = {2}.</translation>
    </message>
    <message>
        <source>evet, {0}²</source>
        <translation>yes, {0}²</translation>
    </message>
    <message>
        <source>Çarpanlar bulundu: {0} = {1} · {2}. Sağlama: {1} · {2} = {0}.</source>
        <translation>Factors found: {0} = {1} · {2}. Check: {1} · {2} = {0}.</translation>
    </message>
    <message>
        <source>a = 2 ile başlanır ve j = 2, 3, …, {0} için a yerine a^j mod n yazılır; sonunda a = 2^({0}!) mod n olur.</source>
        <translation>Start with a = 2 and for j = 2, 3, …, {0} replace a by a^j mod n; at the end a = 2^({0}!) mod n.</translation>
    </message>
    <message>
        <source>{0} = {1} · {2}</source>
        <translation>{0} = {1} · {2}</translation>
    </message>
    <message>
        <source>N = {0}. Terimlerin toplamı mod N: x = {1}; bu sayı mᵉ sayısının kendisidir.</source>
        <translation>N = {0}. The sum of the terms mod N: x = {1}; this number is mᵉ itself.</translation>
    </message>
    <message>
        <source>Son satır: {0} · ({1}) + {2} · ({3}) = 1, yani a = {1}, b = {3}.</source>
        <translation>Last row: {0} · ({1}) + {2} · ({3}) = 1, so a = {1}, b = {3}.</translation>
    </message>
    <message>
        <source>Üs negatif olduğundan {0} sayısının tersi kullanılır (mod {1}): {0}⁻¹ = {2}.</source>
        <translation>As the exponent is negative, the inverse of {0} mod {1} is used: {0}⁻¹ = {2}.</translation>
    </message>
    <message>
        <source>Saldırının koşulu d &lt; n^¼ / 3: n^¼ ≈ {0},{1}, sınır ≈ {2},{3}.</source>
        <translation>The attack&apos;s condition is d &lt; n^¼ / 3: n^¼ ≈ {0}.{1}, bound ≈ {2}.{3}.</translation>
    </message>
    <message>
        <source>Özel üs d = {0}, p = {1}, q = {2}. Sağlama: {1} · {2} = {3} ve e · d mod φ = {4} · {0} mod {5} = 1.</source>
        <translation>Private exponent d = {0}, p = {1}, q = {2}. Check: {1} · {2} = {3} and e · d mod φ = {4} · {0} mod {5} = 1.</translation>
    </message>
    <message>
        <source>Çarpmayla uyum: E(2) = {0}, E(5) = {1}, E(2) · E(5) mod n = {2} = E(10).</source>
        <translation>Multiplicative property: E(2) = {0}, E(5) = {1}, E(2) · E(5) mod n = {2} = E(10).</translation>
    </message>
    <message>
        <source>Saldırganın çözdürdüğü blok: c · 2ᵉ mod n = {0} · {1} mod {2}</source>
        <translation>The block the attacker has decrypted: c · 2ᵉ mod n = {0} · {1} mod {2}</translation>
    </message>
    <message>
        <source>Anahtarın sahibinin verdiği yanıt: {0} = 2m mod n</source>
        <translation>The answer of the key&apos;s owner: {0} = 2m mod n</translation>
    </message>
    <message>
        <source>2 sayısının mod n&apos;ye göre tersi {0}; m = {1} · {0} mod {2}</source>
        <translation>The inverse of 2 mod n is {0}; m = {1} · {0} mod {2}</translation>
    </message>
    <message>
        <source>İmza denetimi: {0}{1} mod {2}</source>
        <translation>Signature check: {0}{1} mod {2}</translation>
    </message>
    <message>
        <source>m = m₁ · m₂ mod n, s = s₁ · s₂ mod n</source>
        <translation>m = m₁ · m₂ mod n, s = s₁ · s₂ mod n</translation>
    </message>
    <message>
        <source>Sahte imza: m = {0} için s = {1}. Sağlama: {1}{2} mod {3} = {0}; d kullanılmadı.</source>
        <translation>Forged signature: s = {1} for m = {0}. Check: {1}{2} mod {3} = {0}; d was not used.</translation>
    </message>
    <message>
        <source>s′ᵉ mod n</source>
        <translation>s′ᵉ mod n</translation>
    </message>
    <message>
        <source>s′ᵉ − m mod n</source>
        <translation>s′ᵉ − m mod n</translation>
    </message>
    <message>
        <source>ebob(s′ᵉ − m, n)</source>
        <translation>gcd(s′ᵉ − m, n)</translation>
    </message>
    <message>
        <source>İleti m = {0}. Sağlama: {0}{1} mod {2} = {3}, şifreli blok geri geldi.</source>
        <translation>Message m = {0}. Check: {0}{1} mod {2} = {3}, the cipher block came back.</translation>
    </message>
    <message>
        <source>Bu saldırı {0} sayı bekler, {1} sayı verildi.</source>
        <translation>This attack expects {0} numbers, {1} were given.</translation>
    </message>
    <message>
        <source>n = {0} olamaz: n en az 15 ve en çok {1} olmalı.</source>
        <translation>n = {0} is not possible: n must be at least 15 and at most {1}.</translation>
    </message>
    <message>
        <source>{0} sayısı n = {1} sayısından küçük olmalı.</source>
        <translation>The number {0} must be below n = {1}.</translation>
    </message>
    <message>
        <source>e = {0} olamaz: açık üs 2 ile {1} arasında olmalı.</source>
        <translation>e = {0} is not possible: the public exponent must be between 2 and {1}.</translation>
    </message>
    <message>
        <source>{0} adımda a² − n hiç tam kare olmadı: n sayısının çarpanları birbirine yakın değil.</source>
        <translation>In {0} steps a² − n was never a perfect square: the factors of n are not close to each other.</translation>
    </message>
    <message>
        <source>Yalnız 1 · {0} bulundu: {0} asal, çarpanlarına ayrılamaz.</source>
        <translation>Only 1 · {0} was found: {0} is prime and cannot be factored.</translation>
    </message>
    <message>
        <source>n = {0} çift: çarpanı 2, bu saldırıya gerek yok.</source>
        <translation>n = {0} is even: its factor is 2, no attack is needed.</translation>
    </message>
    <message>
        <source>ebob = 1: B = {0} sınırı küçük kaldı; hiçbir p − 1 sayısı {0}! sayısını bölmüyor.</source>
        <translation>gcd = 1: the bound B = {0} was too small; no p − 1 divides {0}!.</translation>
    </message>
    <message>
        <source>ebob = n: B = {0} için iki asalın p − 1 sayıları da {0}! sayısını bölüyor; daha küçük bir sınır deneyin.</source>
        <translation>gcd = n: for B = {0} the p − 1 of both primes divide {0}!; try a smaller bound.</translation>
    </message>
    <message>
        <source>Hiçbir iki n sayısı ortak bir asal paylaşmıyor.</source>
        <translation>No two of the n share a prime.</translation>
    </message>
    <message>
        <source>{0} sayısı tam bir {1}. kuvvet değil: mᵉ sayısı n sayısını aştı ve indirgeme kökü gizledi.</source>
        <translation>{0} is no whole number raised to the power {1}: mᵉ exceeded n and the reduction hid the root.</translation>
    </message>
    <message>
        <source>n sayıları aralarında asal değil ya da çarpımları çok büyük; Çin kalan teoremi uygulanamaz.</source>
        <translation>The n are not coprime or their product is too large; the Chinese remainder theorem cannot be applied.</translation>
    </message>
    <message>
        <source>ebob(e₁, e₂) = ebob({0}, {1}) = {2}: a · e₁ + b · e₂ = 1 eşitliği yok, saldırı yapılamaz.</source>
        <translation>gcd(e₁, e₂) = gcd({0}, {1}) = {2}: there is no a · e₁ + b · e₂ = 1, the attack cannot be done.</translation>
    </message>
    <message>
        <source>{0} sayısının tersi yok (mod {1}).</source>
        <translation>{0} has no inverse mod {1}.</translation>
    </message>
    <message>
        <source>Hiçbir yakınsak n sayısını çarpanlarına ayırmadı: d, n^¼ / 3 sınırının üstünde.</source>
        <translation>No convergent factored n: d is above the bound n^¼ / 3.</translation>
    </message>
    <message>
        <source>{0} iki asalın çarpımı değil ya da e ile φ aralarında asal değil; şifre çözen anahtar sahibi yok.</source>
        <translation>{0} is not the product of two primes, or e and φ are not coprime; there is no key owner to decrypt.</translation>
    </message>
    <message>
        <source>s = {0} imzası m = {1} iletisinin imzası değil: s{2} mod n = {3}.</source>
        <translation>s = {0} is not a signature of the message m = {1}: s{2} mod n = {3}.</translation>
    </message>
    <message>
        <source>ebob = {0}: imza ya doğru ya da iki yarısı da hatalı; çarpan ortaya çıkmadı.</source>
        <translation>gcd = {0}: the signature is either right or faulty in both halves; no factor came out.</translation>
    </message>
    <message>
        <source>&quot;{0}&quot; 0 ya da daha büyük bir tam sayı değil.</source>
        <translation>&quot;{0}&quot; is not a whole number from 0 up.</translation>
    </message>
    <message>
        <source>Saldırılar penceresini açar: ders kitabı RSA&apos;sının ve kötü üretilmiş anahtarların kırılışı, adım adım.</source>
        <translation>Opens the attacks window: how textbook RSA and badly made keys are broken, step by step.</translation>
    </message>
    <message>
        <source>Gerçek boyutta Wiener saldırısı: {0} bitlik anahtar</source>
        <translation>Wiener&apos;s attack at real size: a {0}-bit key</translation>
    </message>
    <message>
        <source>n {0} bit ({1} basamak), e {2} bit; saldırının koşulu d &lt; n^¼ / 3, bu sınır {3} bittir. e/n sürekli kesrinin her yakınsağı k/d bir adaydır: φ = (e · d − 1)/k tam sayı olmalı ve x² − (n − φ + 1)x + n = 0 denkleminin diskriminantı tam kare olmalı.</source>
        <translation>n has {0} bits ({1} digits), e {2} bits; the attack needs d &lt; n^¼ / 3, a bound of {3} bits. Each convergent k/d of the continued fraction of e/n is a candidate: φ = (e · d − 1)/k must be whole, and the discriminant of x² − (n − φ + 1)x + n = 0 must be a perfect square.</translation>
    </message>
    <message>
        <source>k</source>
        <translation>k</translation>
    </message>
    <message>
        <source>d</source>
        <translation>d</translation>
    </message>
    <message>
        <source>diskriminant tam kare mi?</source>
        <translation>discriminant a square?</translation>
    </message>
    <message>
        <source>tam değil</source>
        <translation>not whole</translation>
    </message>
    <message>
        <source>{0} yakınsak denendi; {1} tanesinde φ tam sayı çıktı.</source>
        <translation>{0} convergents tried; {1} of them gave a whole φ.</translation>
    </message>
    <message>
        <source>i = {0} satırında diskriminant tam kare çıktı: d = {1}</source>
        <translation>In row i = {0} the discriminant is a square: d = {1}</translation>
    </message>
    <message>
        <source>Sağlama bir deneme bloğuyla: m = {0} için c = mᵉ mod n = {1} ve c^d mod n = {2}.</source>
        <translation>Check on a test block: for m = {0}, c = mᵉ mod n = {1} and c^d mod n = {2}.</translation>
    </message>
    <message>
        <source>Gerçek boyutta Fermat yöntemi: {0} bitlik anahtar</source>
        <translation>Fermat&apos;s method at real size: a {0}-bit key</translation>
    </message>
    <message>
        <source>n {0} bit ({1} basamak). a = ⌈√n⌉ = {2} ile başlanır ve a bir bir artırılır; a² − n bir tam kare b² olunca n = a² − b² = (a − b)(a + b) olur.</source>
        <translation>n has {0} bits ({1} digits). Start from a = ⌈√n⌉ = {2} and add one to a each step; once a² − n is a perfect square b², n = a² − b² = (a − b)(a + b).</translation>
    </message>
    <message>
        <source>Sağlama: p · q = {0}; n ile aynı mı? {1}</source>
        <translation>Check: p · q = {0}; the same as n? {1}</translation>
    </message>
    <message>
        <source>Toplu ebob: {1} bitlik {0} modül</source>
        <translation>Batch GCD: {0} moduli of {1} bits</translation>
    </message>
    <message>
        <source>Çarpım ağacı modülleri ikişer ikişer çarparak {0} düzeyde hepsinin çarpımı P&apos;ye varır; kalan ağacı aynı düzeylerden inerek her nᵢ için zᵢ = P mod nᵢ² verir. ebob(nᵢ, zᵢ / nᵢ) 1 değilse nᵢ&apos;nin bir asalı başka bir modülde de vardır.</source>
        <translation>The product tree multiplies the moduli in pairs and reaches their product P in {0} levels; the remainder tree goes down the same levels and gives zᵢ = P mod nᵢ² for each nᵢ. When gcd(nᵢ, zᵢ / nᵢ) is not 1, a prime of nᵢ is in another modulus too.</translation>
    </message>
    <message>
        <source>düğüm sayısı</source>
        <translation>nodes</translation>
    </message>
    <message>
        <source>en büyük düğüm (bit)</source>
        <translation>largest node (bits)</translation>
    </message>
    <message>
        <source>Aynı {0} modülde her çiftin ebob&apos;u {1} saniye sürdü.</source>
        <translation>The gcd of every pair of the same {0} moduli took {1} seconds.</translation>
    </message>
    <message>
        <source>Denklemin küçük kökü n&apos;nin bir asalıdır: p = {0}</source>
        <translation>The smaller root of the equation is a prime of n: p = {0}</translation>
    </message>
    <message>
        <source>Büyük kökü öteki asaldır: q = {0}</source>
        <translation>The larger root is the other prime: q = {0}</translation>
    </message>
    <message>
        <source>b = √(a² − n) = {0}</source>
        <translation>b = √(a² − n) = {0}</translation>
    </message>
    <message>
        <source>p = a − b = {0}</source>
        <translation>p = a − b = {0}</translation>
    </message>
    <message>
        <source>q = a + b = {0}</source>
        <translation>q = a + b = {0}</translation>
    </message>
    <message>
        <source>Wiener: d, e/n sürekli kesrinin {0}. yakınsağından {1} milisaniyede bulundu.</source>
        <translation>Wiener: d found from convergent {0} of the continued fraction of e/n in {1} milliseconds.</translation>
    </message>
    <message>
        <source>x = {0} tam bir {1}. kuvvet değil, yani bloklar aynı iletinin şifreleri değil: her n sayısından küçük tek bir m için Çin kalan teoremi mᵉ sayısının kendisini verirdi.</source>
        <translation>x = {0} is no whole number raised to the power {1}, so the blocks are not encryptions of one message: for one m below every n the Chinese remainder theorem would give mᵉ itself.</translation>
    </message>
    <message>
        <source>{0} bu pencere için çok büyük: en çok {1} olabilir.</source>
        <translation>{0} is too large for this window: at most {1}.</translation>
    </message>
    <message>
        <source>Açık anahtar listesi (her satıra bir anahtar satırı ya da bir n):</source>
        <translation>List of public keys (one key line or one n a line):</translation>
    </message>
    <message>
        <source>Mesajlaşma penceresinin &quot;Kopyala&quot; ile verdiği satırlar (e = 17   n = 3233) ya da yalnız n sayıları; # işaretinden sonrası açıklamadır</source>
        <translation>The lines the exchange window&apos;s &quot;Copy&quot; gives (e = 17   n = 3233) or the n alone; text after # is a comment</translation>
    </message>
    <message>
        <source>Dosyadan aç…</source>
        <translation>Open from file…</translation>
    </message>
    <message>
        <source>Listeye saldır</source>
        <translation>Attack the list</translation>
    </message>
    <message>
        <source>metin dosyası (*.txt)|*.txt</source>
        <translation>text file (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Listeden {0} anahtar okundu, {1} satır atlandı.</source>
        <translation>Keys read from the list: {0}; lines skipped: {1}.</translation>
    </message>
    <message>
        <source>atlanan satır</source>
        <translation>line skipped</translation>
    </message>
    <message>
        <source>neden</source>
        <translation>why</translation>
    </message>
    <message>
        <source>{0} anahtarın her ikilisinin ebob değeri hesaplandı ({1} ikili); tabloda yalnız 1&apos;den büyük çıkanlar var.</source>
        <translation>The gcd of every pair of the {0} keys was computed ({1} pairs); the table shows only those above 1.</translation>
    </message>
    <message>
        <source>Satır {0}: {1} = {2} · {3}</source>
        <translation>Line {0}: {1} = {2} · {3}</translation>
    </message>
    <message>
        <source>Bu satır ne bir açık anahtar satırı (e = 17   n = 3233 gibi) ne de tek bir n sayısı.</source>
        <translation>This line is neither a public key line (such as e = 17   n = 3233) nor one number n.</translation>
    </message>
    <message>
        <source>Bu n sayısı satır {0} ile aynı; aynı anahtar bir kez sayılır.</source>
        <translation>This n is the same as on line {0}; a key counts once.</translation>
    </message>
    <message>
        <source>Listede en az iki anahtar olmalı; {0} anahtar okundu.</source>
        <translation>The list needs at least two keys; {0} were read.</translation>
    </message>
    <message>
        <source>Listede boş ya da açıklama olmayan {0} satır var; bu pencere en çok {1} anahtarı karşılaştırır.</source>
        <translation>The list has {0} lines that are neither blank nor a comment; this window compares at most {1} keys.</translation>
    </message>
    <message>
        <source>Bu dosya metin değil (içinde sıfır baytı var); anahtarlar satır satır yazılmış bir metin dosyasında olmalı.</source>
        <translation>This file is not text (it holds a zero byte); the keys must be in a text file, one a line.</translation>
    </message>
    <message>
        <source>satır (n₁)</source>
        <translation>line (n₁)</translation>
    </message>
    <message>
        <source>satır (n₂)</source>
        <translation>line (n₂)</translation>
    </message>
    <message>
        <source>Bulunan: {0}</source>
        <translation>Found: {0}</translation>
    </message>
    <message>
        <source>adım sayısı: {0}</source>
        <translation>steps: {0}</translation>
    </message>
    <message>
        <source>{0}. satırdaki anahtar: n = {1}</source>
        <translation>the key on line {0}: n = {1}</translation>
    </message>
    <message>
        <source>atlanan satırlar: {0}</source>
        <translation>lines skipped: {0}</translation>
    </message>
    <message>
        <source>Görev kodu G (görev), S (saldırgan) ya da bir saldırının harfiyle ({0}) başlar.</source>
        <translation>A task code starts with G (a task), S (the attacker) or the letter of an attack ({0}).</translation>
    </message>
    <message>
        <source>Sağlama tutmuyor: yazdığınız {0} için {1} = {2}; {3} olmalı.</source>
        <translation>The check fails: for your {0}, {1} = {2}; it should be {3}.</translation>
    </message>
    <message>
        <source>Sağlama tutmuyor: yazdığınız {0} için {1} = {2}, bir tam kare değil.</source>
        <translation>The check fails: for your {0}, {1} = {2}, which is not a perfect square.</translation>
    </message>
    <message>
        <source>Bu ⌊√n⌋, aşağı yuvarlanmış kök: onunla a² − n negatif olur. Fermat yöntemi ⌈√n⌉ ile, yani yukarı yuvarlanmış kökle başlar.</source>
        <translation>This is ⌊√n⌋, the root rounded down: with it a² − n is negative. Fermat&apos;s method starts at ⌈√n⌉, the root rounded up.</translation>
    </message>
    <message>
        <source>Bu a² − n, yani b²; b bu sayının kareköküdür: b = √(a² − n).</source>
        <translation>This is a² − n, that is b²; b is its square root: b = √(a² − n).</translation>
    </message>
    <message>
        <source>Bu a; çarpanlar a − b ve a + b sayılarıdır: b unutulmuş.</source>
        <translation>This is a; the factors are a − b and a + b: b was left out.</translation>
    </message>
    <message>
        <source>a, √n sayısından küçük olamaz: a² − n negatif olur. Fermat yöntemi ⌈√n⌉ ile başlar.</source>
        <translation>a cannot be smaller than √n: a² − n would be negative. Fermat&apos;s method starts at ⌈√n⌉.</translation>
    </message>
    <message>
        <source>Bu sayı a − b = 1 verir, yani 1 ve n çarpanlarını; bunlar çarpan sayılmaz. a = ⌈√n⌉ ile başlayıp a² − n ilk kez tam kare olana kadar a sayısını birer artırın.</source>
        <translation>This number gives a − b = 1, that is the factors 1 and n, which do not count. Start at a = ⌈√n⌉ and increase a by one until a² − n is a perfect square for the first time.</translation>
    </message>
    <message>
        <source>Fermat yöntemi: n = {0} için a = ⌈√n⌉ ile başlayın (√n ≈ {1}); a² − n bir tam kare olana kadar a sayısını birer artırın.</source>
        <translation>Fermat&apos;s method: for n = {0} start at a = ⌈√n⌉ (√n ≈ {1}) and increase a by one until a² − n is a perfect square.</translation>
    </message>
    <message>
        <source>b = √(a² − n) = √({0}² − {1}) = √{2}.</source>
        <translation>b = √(a² − n) = √({0}² − {1}) = √{2}.</translation>
    </message>
    <message>
        <source>n = (a − b)(a + b): p = a − b = {0} − {1}.</source>
        <translation>n = (a − b)(a + b): p = a − b = {0} − {1}.</translation>
    </message>
    <message>
        <source>n = (a − b)(a + b): q = a + b = {0} + {1}.</source>
        <translation>n = (a − b)(a + b): q = a + b = {0} + {1}.</translation>
    </message>
    <message>
        <source>{2}: görev {0} ({1})</source>
        <translation>{2}: task {0} ({1})</translation>
    </message>
    <message>
        <source>Deneme bölmesi</source>
        <translation>Trial division</translation>
    </message>
    <message>
        <source>n sayısının iki asal çarpanı birbirine yakın. Fermat yöntemiyle a² − n sayısını tam kare yapan ilk a sayısını ve b = √(a² − n) sayısını bulun; n = (a − b)(a + b).</source>
        <translation>The two prime factors of n are close to each other. With Fermat&apos;s method find the first a for which a² − n is a perfect square, and b = √(a² − n); then n = (a − b)(a + b).</translation>
    </message>
    <message>
        <source>Alıştırmada elle yapılacak saldırı: {0}. --alistirma --saldirgan ile aynı pencereyi açar.</source>
        <translation>The attack to do by hand in the exercise: {0}. Opens the same window as --alistirma --saldirgan.</translation>
    </message>
    <message>
        <source>saldırı</source>
        <translation>attack</translation>
    </message>
    <message>
        <source>Bilinmeyen saldırı &apos;{0}&apos;; alıştırmadaki saldırılar: {1}.</source>
        <translation>Unknown attack &apos;{0}&apos;; the attacks of the exercise: {1}.</translation>
    </message>
    <message>
        <source>ebob 1 çıktı: bu iki modül bir asal paylaşmıyor; öteki çiftleri deneyin.</source>
        <translation>The gcd came out 1: these two moduli share no prime; try the other pairs.</translation>
    </message>
    <message>
        <source>Bu yalnız bir anahtarın asal çarpanı; ortak asal iki modülü birden böler.</source>
        <translation>This is a prime factor of one key only; the shared prime divides two moduli.</translation>
    </message>
    <message>
        <source>Bu bir anahtarın modülü, n = p · q; istenen onun bir asal çarpanı.</source>
        <translation>This is a key&apos;s modulus, n = p · q; the box asks for one of its prime factors.</translation>
    </message>
    <message>
        <source>Bu ortak asal g; istenen, anahtarın öteki asalı: n / g.</source>
        <translation>This is the shared prime g; the box asks for the key&apos;s other prime: n / g.</translation>
    </message>
    <message>
        <source>Bu öbür anahtarın asalı: a, numarası küçük anahtarınki, b öbür anahtarınki.</source>
        <translation>This is the other key&apos;s prime: a belongs to the key with the lower number, b to the other key.</translation>
    </message>
    <message>
        <source>Sağlama tutmuyor: ortak asal iki modülü birden tam böler, yazdığınız sayı bölmüyor.</source>
        <translation>The check fails: the shared prime divides two moduli, and your number does not.</translation>
    </message>
    <message>
        <source>Her çiftin ebob sayısını Öklid algoritmasıyla bulun: ebob({0}, {1}), ebob({0}, {2}), ebob({1}, {2}); 1&apos;den büyük çıkan ebob ortak asaldır.</source>
        <translation>Find the gcd of every pair with Euclid&apos;s algorithm: gcd({0}, {1}), gcd({0}, {2}), gcd({1}, {2}); the gcd above 1 is the shared prime.</translation>
    </message>
    <message>
        <source>{0} = n / g = {1} / {2}: anahtarın modülünü ortak asala bölün.</source>
        <translation>{0} = n / g = {1} / {2}: divide the key&apos;s modulus by the shared prime.</translation>
    </message>
    <message>
        <source>Üç açık anahtarın n₁, n₂, n₃ modüllerinden ikisi bir asal çarpanı paylaşıyor. Ortak asal g sayısını ebob ile bulun, sonra bu iki anahtarın öteki asallarını: a, numarası küçük anahtarınki, b öbürününki.</source>
        <translation>Two of the moduli n₁, n₂, n₃ of three public keys share a prime factor. Find the shared prime g with the gcd, then the other primes of these two keys: a of the key with the lower number, b of the other.</translation>
    </message>
    <message>
        <source>a (ilk anahtarın öteki asalı)</source>
        <translation>a (the first key&apos;s other prime)</translation>
    </message>
    <message>
        <source>b (ikinci anahtarın öteki asalı)</source>
        <translation>b (the second key&apos;s other prime)</translation>
    </message>
    <message>
        <source>c / 3 bölünmüş: e = 3 bir üs, çarpan değil; ileti bloğun küp köküdür: m = ∛c.</source>
        <translation>c was divided by 3: e = 3 is an exponent, not a factor; the message is the block&apos;s cube root: m = ∛c.</translation>
    </message>
    <message>
        <source>Karekök alınmış; e = 3 olduğundan küp kök alınır: m = ∛c.</source>
        <translation>This is a square root; as e = 3, take the cube root: m = ∛c.</translation>
    </message>
    <message>
        <source>{0}³ = {1} &lt; n = {2}: mod n hiç indirgenmedi, bu yüzden {0} = ∛{1}. Tam sayı küp kökünü bulun: hangi sayının küpü {1}?</source>
        <translation>{0}³ = {1} &lt; n = {2}: nothing was reduced mod n, so {0} = ∛{1}. Find the whole cube root: which number cubed gives {1}?</translation>
    </message>
    <message>
        <source>e = 3 ve dolgu yok: üç kısa ileti o kadar küçük ki m³ &lt; n; şifreleme hiç mod n indirgemesi yapmadı. Her şifreli bloğun tam sayı küp kökünü alarak iletileri bulun.</source>
        <translation>e = 3 and no padding: three short messages are so small that m³ &lt; n, and encryption never reduced mod n. Find the messages by taking the whole cube root of each cipher block.</translation>
    </message>
    <message>
        <source>Bu da bir Bezout katsayısı, ama başka bir çiftin: kutular 0 &lt; x &lt; e₂ olan çifti ister, x = e₁⁻¹ mod e₂ ve y = (1 − e₁x) / e₂.</source>
        <translation>This is a Bezout coefficient too, but of another pair: the boxes ask for the pair with 0 &lt; x &lt; e₂, x = e₁⁻¹ mod e₂ and y = (1 − e₁x) / e₂.</translation>
    </message>
    <message>
        <source>Bezout katsayısının işareti yanlış: e₁x + e₂y = 1 olması için x pozitifken y negatiftir.</source>
        <translation>The Bezout coefficient has the wrong sign: for e₁x + e₂y = 1 with a positive x, y is negative.</translation>
    </message>
    <message>
        <source>Bu n − c₂, c₂ sayısının toplamaya göre tersi; gereken çarpmaya göre tersi: c₂ · c₂⁻¹ mod n = 1.</source>
        <translation>This is n − c₂, the additive inverse of c₂; what is needed is its multiplicative inverse: c₂ · c₂⁻¹ mod n = 1.</translation>
    </message>
    <message>
        <source>Negatif üs, ters alınmadan kullanılmış: y &lt; 0 için c₂ʸ = (c₂⁻¹)^|y| demektir; c₂ yerine c₂⁻¹ sayısının kuvvetini alın.</source>
        <translation>The negative exponent was used without the inverse: for y &lt; 0, c₂ʸ means (c₂⁻¹)^|y|; raise c₂⁻¹ to the power instead of c₂.</translation>
    </message>
    <message>
        <source>x = e₁⁻¹ mod e₂ = {0}⁻¹ mod {1}: genişletilmiş Öklid algoritmasıyla bulun; e₁ · x mod e₂ = 1 ve 0 &lt; x &lt; e₂ olmalı.</source>
        <translation>x = e₁⁻¹ mod e₂ = {0}⁻¹ mod {1}: find it with the extended Euclidean algorithm; e₁ · x mod e₂ = 1 and 0 &lt; x &lt; e₂.</translation>
    </message>
    <message>
        <source>y = (1 − e₁ · x) / e₂ = (1 − {0} · {1}) / {2}; y negatif çıkar.</source>
        <translation>y = (1 − e₁ · x) / e₂ = (1 − {0} · {1}) / {2}; y comes out negative.</translation>
    </message>
    <message>
        <source>c₂⁻¹ = {0}⁻¹ mod {1}: genişletilmiş Öklid algoritmasını n = {1} ve c₂ = {0} ile çalıştırın; c₂ · c₂⁻¹ mod n = 1 olmalı.</source>
        <translation>c₂⁻¹ = {0}⁻¹ mod {1}: run the extended Euclidean algorithm on n = {1} and c₂ = {0}; c₂ · c₂⁻¹ mod n must be 1.</translation>
    </message>
    <message>
        <source>m = c₁ˣ · (c₂⁻¹)^|y| mod n = {0}{1} · {2}{3} mod {4}: iki kuvveti kare al ve çarp yöntemiyle alın, sonra çarpıp mod n&apos;ye göre indirgeyin.</source>
        <translation>m = c₁ˣ · (c₂⁻¹)^|y| mod n = {0}{1} · {2}{3} mod {4}: take both powers by square-and-multiply, then multiply them and reduce modulo n.</translation>
    </message>
    <message>
        <source>Aynı ileti m, aynı n ile ama iki farklı açık üsle (e₁, e₂) şifrelenmiş. e₁x + e₂y = 1 olan x ve y katsayılarını bulun; m = c₁ˣ · c₂ʸ mod n, negatif y için c₂ yerine tersi c₂⁻¹ kullanılır.</source>
        <translation>The same message m was encrypted with the same n but two different public exponents (e₁, e₂). Find the coefficients x and y with e₁x + e₂y = 1; then m = c₁ˣ · c₂ʸ mod n, where a negative y takes the inverse c₂⁻¹ instead of c₂.</translation>
    </message>
    <message>
        <source>k ile d yer değiştirmiş: yakınsak n/e kesrinin değil e/n kesrinindir; e/n ≈ k/d, k pay, d paydadır.</source>
        <translation>k and d are swapped: the convergent is one of e/n, not of n/e; e/n ≈ k/d, with k the numerator and d the denominator.</translation>
    </message>
    <message>
        <source>Bu e · d − 1; φ bunun k ile bölümüdür: φ = (e · d − 1) / k.</source>
        <translation>This is e · d − 1; φ is its quotient by k: φ = (e · d − 1) / k.</translation>
    </message>
    <message>
        <source>Bu {0}, e/n sürekli kesrinin hiçbir yakınsağında yok: k pay, d payda olarak bir yakınsaktan okunur.</source>
        <translation>This {0} is in no convergent of the continued fraction of e/n: k is read off a convergent as its numerator, d as its denominator.</translation>
    </message>
    <message>
        <source>Bu yakınsak işe yaramaz: onunla φ = (e · d − 1) / k tam sayı olmuyor ya da x² − (n − φ + 1)x + n = 0 tam kök vermiyor; sonraki yakınsakları deneyin.</source>
        <translation>This convergent does not work: with it φ = (e · d − 1) / k is not a whole number, or x² − (n − φ + 1)x + n = 0 has no whole roots; try the next convergents.</translation>
    </message>
    <message>
        <source>e/n = {0}/{1} kesrini sürekli kesre açın; ilk kısmi bölümler {2}, … Her yakınsak k/d için φ = (e · d − 1) / k tam sayı mı, x² − (n − φ + 1)x + n = 0 tam kök veriyor mu, bakın.</source>
        <translation>Expand e/n = {0}/{1} as a continued fraction; the first partial quotients are {2}, … For each convergent k/d see whether φ = (e · d − 1) / k is a whole number and x² − (n − φ + 1)x + n = 0 has whole roots.</translation>
    </message>
    <message>
        <source>φ = (e · d − 1) / k = ({0} · {1} − 1) / {2}.</source>
        <translation>φ = (e · d − 1) / k = ({0} · {1} − 1) / {2}.</translation>
    </message>
    <message>
        <source>p + q = n − φ + 1 = {0} − {1} + 1 = {2} ve p · q = n: p ile q, x² − {2}x + {0} = 0 denkleminin kökleridir.</source>
        <translation>p + q = n − φ + 1 = {0} − {1} + 1 = {2} and p · q = n: p and q are the roots of x² − {2}x + {0} = 0.</translation>
    </message>
    <message>
        <source>Özel üs d çok küçük seçilmiş: d &lt; n^¼ / 3. Bu yüzden k/d, e/n kesrinin sürekli kesir yakınsaklarından biridir. Onu bulun, φ = (e · d − 1) / k ile φ sayısını, sonra x² − (n − φ + 1)x + n = 0 denkleminden p ve q asallarını bulun.</source>
        <translation>The private exponent d was chosen very small: d &lt; n^¼ / 3. So k/d is one of the convergents of the continued fraction of e/n. Find it, then φ from φ = (e · d − 1) / k, then the primes p and q from x² − (n − φ + 1)x + n = 0.</translation>
    </message>
    <message>
        <source>Çin kalan teoreminin terimleri tersler olmadan toplanmış: her terim cᵢ · Nᵢ · (Nᵢ⁻¹ mod nᵢ) olmalı, yoksa x mod nᵢ = cᵢ tutmaz.</source>
        <translation>The terms of the Chinese remainder theorem were added without their inverses: each term must be cᵢ · Nᵢ · (Nᵢ⁻¹ mod nᵢ), or x mod nᵢ = cᵢ does not hold.</translation>
    </message>
    <message>
        <source>Bu bir cᵢ sayısının küp kökü; cᵢ = m³ mod nᵢ indirgenmiş bir sayıdır. Küp kök, Çin kalan teoremiyle bulunan x sayısından alınır: m = ∛x.</source>
        <translation>This is the cube root of one cᵢ; cᵢ = m³ mod nᵢ is a reduced number. The cube root is taken of the x the Chinese remainder theorem gives: m = ∛x.</translation>
    </message>
    <message>
        <source>x, N = n₁ · n₂ · n₃ = {0} sayısından küçük olmalı: Çin kalan teoremi N&apos;den küçük tek bir x verir.</source>
        <translation>x must be below N = n₁ · n₂ · n₃ = {0}: the Chinese remainder theorem gives a single x below N.</translation>
    </message>
    <message>
        <source>Çin kalan teoremi: N = n₁ · n₂ · n₃ = {0}. Her i için Nᵢ = N / nᵢ ve onun mod nᵢ tersi bulunur; x = Σ cᵢ · Nᵢ · (Nᵢ⁻¹ mod nᵢ) mod N. İlk terim için N₁ = {1}.</source>
        <translation>The Chinese remainder theorem: N = n₁ · n₂ · n₃ = {0}. For each i find Nᵢ = N / nᵢ and its inverse mod nᵢ; x = Σ cᵢ · Nᵢ · (Nᵢ⁻¹ mod nᵢ) mod N. For the first term N₁ = {1}.</translation>
    </message>
    <message>
        <source>x = m³ &lt; N olduğundan m = ∛x = ∛{0}: tam sayı küp kökünü bulun.</source>
        <translation>Since x = m³ &lt; N, m = ∛x = ∛{0}: find the whole cube root.</translation>
    </message>
    <message>
        <source>Aynı ileti m, e = 3 ile üç alıcının n₁, n₂, n₃ modülleriyle dolgusuz şifrelenmiş. Çin kalan teoremiyle x mod nᵢ = cᵢ olan x &lt; n₁ · n₂ · n₃ sayısını bulun: x = m³ olur, m onun küp köküdür.</source>
        <translation>The same message m was encrypted without padding with e = 3 under the moduli n₁, n₂, n₃ of three recipients. With the Chinese remainder theorem find the x &lt; n₁ · n₂ · n₃ with x mod nᵢ = cᵢ: x = m³, and m is its cube root.</translation>
    </message>
    <message>
        <source>Yapıştırılan metin {0} karakter; bu kutu en çok {1} karakterlik bir liste alır. Daha uzun bir listeyi &quot;Dosyadan aç…&quot; ile açın.</source>
        <translation>The pasted text has {0} characters; this box takes a list of at most {1} characters. Open a longer list with &quot;Open from file…&quot;.</translation>
    </message>
</context>
</TS>
