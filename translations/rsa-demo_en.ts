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
        <source>Dosya kaydedilemedi: </source>
        <translation>The file could not be saved: </translation>
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
        <source>Hata </source>
        <translation>Error </translation>
    </message>
    <message>
        <source>Beklenmeyen hata: </source>
        <translation>Unexpected error: </translation>
    </message>
    <message>
        <source>RSA açık anahtarlı şifrelemeyi küçük sayılarla gösteren bir öğretim aracı.</source>
        <translation>A teaching tool that shows RSA public-key encryption on small numbers.</translation>
    </message>
    <message>
        <source>Arayüzün dili: %1 (verilmezse tr).</source>
        <translation>Language of the interface: %1 (tr when not given).</translation>
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
        <source>Bilinmeyen dil &apos;%1&apos;; diller: %2.</source>
        <translation>Unknown language &apos;%1&apos;; languages: %2.</translation>
    </message>
    <message>
        <source>Beklenmeyen argüman &apos;%1&apos;.</source>
        <translation>Unexpected argument &apos;%1&apos;.</translation>
    </message>
</context>
</TS>
