#pragma once

// Every text the program shows: captions, tooltips, menu entries and messages.
// They are Turkish, with a few English words the learners know the program by,
// and are used exactly as they stand (double blanks included).

namespace rsa::texts {

// Window and application.
inline constexpr const char* windowTitle = "Form1";
inline constexpr const char* applicationTitle = "RSA";

// Captions and tooltips of the controls.
inline constexpr const char* keyFrameCaption = "anahtar yaratımı";
inline constexpr const char* keyFrameTooltip = "Anahtar yaratım aşaması";
inline constexpr const char* messageFrameCaption = "mesaj şifreleme";
inline constexpr const char* pLabel = "p:";
inline constexpr const char* qLabel = "q:";
inline constexpr const char* privateKeyLabel = "private key";
inline constexpr const char* publicKeyLabel = "Public key";
inline constexpr const char* decryptedLabel = "Şifresi Kırılmış Metin";
inline constexpr const char* primeListButton = "asal sayıları listele";
inline constexpr const char* primeListTooltip = "1 ile 100 arasındaki asal sayıları listeler";
inline constexpr const char* randomPairButton = "sistemi kur";
inline constexpr const char* randomPairTooltip = "Random asal sayılar seçer";
inline constexpr const char* factorsButton = "(p-1)*(q-1) in çarpanları";
inline constexpr const char* computeKeyButton = "private anahtarı hesapla";
inline constexpr const char* computeKeyTooltip = "anahtar çiftlerini hesaplar";
inline constexpr const char* encryptButton = "şifrele";
inline constexpr const char* decryptButton = "şifreyi kır";

// What a screen reader announces for each text box.
inline constexpr const char* pBoxName = "p";
inline constexpr const char* qBoxName = "q";
inline constexpr const char* primeListBoxName = "asal sayılar";
inline constexpr const char* factorsBoxName = "(p-1)*(q-1) in çarpanları";
inline constexpr const char* publicKeyBoxName = "public key";
inline constexpr const char* privateKeyBoxName = "private key";
inline constexpr const char* cardGroup1Name = "kart numarası, 1. grup";
inline constexpr const char* cardGroup2Name = "kart numarası, 2. grup";
inline constexpr const char* cardGroup3Name = "kart numarası, 3. grup";
inline constexpr const char* cardGroup4Name = "kart numarası, 4. grup";
inline constexpr const char* cipherTextBoxName = "şifrelenmiş metin";
inline constexpr const char* decryptedBoxName = "Şifresi Kırılmış Metin";

// Menu entries; "&" marks the access key.
inline constexpr const char* fileMenu = "&file";
inline constexpr const char* saveItem = "&Save";
inline constexpr const char* exitItem = "&exit";
inline constexpr const char* helpMenu = "&help";
inline constexpr const char* aboutItem = "&RSA hakkında";

// Key set-up messages.
inline constexpr const char* pNotPrime =
    "p sayısını asal sayı olarak giriniz  asal sayıları görmek "
    "için asal sayıları listele buttonuna basınız";
inline constexpr const char* qNotPrime = "q sayısını asal sayı olarak giriniz asal sayıları görmek "
                                         "için asal sayıları listele buttonuna basınız";
inline constexpr const char* primesMustDiffer = "p ve q farklı asal sayılar olmalıdır";
inline constexpr const char* badExponent = "hatalı giriş";

// Cipher messages.
inline constexpr const char* computeKeyFirst = "önce private anahtarı hesaplayınız";
inline constexpr const char* blockNotBelowModulus =
    "p*q her bloktan büyük olmalıdır, daha büyük asal sayılar seçiniz";
inline constexpr const char* encryptFirst = "önce kart numarasını şifreleyiniz";

// File and Help menu.
inline constexpr const char* saveFilter = "şifrelenmiş metin(*.ENC)|*.ENC";
inline constexpr const char* saveFailedPrefix = "Dosya kaydedilemedi: ";
inline constexpr const char* aboutAddress = "https://tr.wikipedia.org/wiki/RSA";
inline constexpr const char* aboutFailed = "Error displaying file";
inline constexpr const char* browserFailed = "Web tarayıcısı açılamadı";

// Started where no window can be opened.
inline constexpr const char* needsGraphicalSession =
    "rsa-demo bir pencere açar ve grafik bir oturum ister, ancak ekrana bağlanamadı; "
    "ekransız çalıştırmak için: xvfb-run -a rsa-demo";

// A run-time failure is shown as runtimeErrorPrefix + number + ": " + name.
inline constexpr const char* runtimeErrorPrefix = "Hata ";
inline constexpr const char* unexpectedError = "Beklenmeyen hata: ";

} // namespace rsa::texts
