#pragma once

// Every text the program shows: captions, tooltips, menu entries, messages
// and the command line's usage. They are Turkish, with a few English words the
// learners know the program by, and are used exactly as they stand (double
// blanks included): Turkish is the source language, shown without a
// translation. Other languages translate them at the window, never here. A
// {0}, {1}, ... in a text is a slot that texts::word (Wording.h) fills after
// translating it.

// Marks a text for translation and is the text itself: Qt's lupdate reads it
// as QT_TRANSLATE_NOOP (see src/CMakeLists.txt), so every marked text is listed
// in translations/rsa-demo_*.ts under the context given, which must be
// texts::context for the window to find the translation.
#define RSA_TEXT(context, text) text

namespace rsa::texts {

inline constexpr const char* context = "rsa";

// Window and application.
inline constexpr const char* windowTitle = RSA_TEXT("rsa", "Form1");
inline constexpr const char* applicationTitle = RSA_TEXT("rsa", "RSA");

// Captions and tooltips of the controls.
inline constexpr const char* keyFrameCaption = RSA_TEXT("rsa", "anahtar yaratımı");
inline constexpr const char* keyFrameTooltip = RSA_TEXT("rsa", "Anahtar yaratım aşaması");
inline constexpr const char* messageFrameCaption = RSA_TEXT("rsa", "mesaj şifreleme");
inline constexpr const char* pLabel = RSA_TEXT("rsa", "p:");
inline constexpr const char* qLabel = RSA_TEXT("rsa", "q:");
inline constexpr const char* privateKeyLabel = RSA_TEXT("rsa", "private key");
inline constexpr const char* publicKeyLabel = RSA_TEXT("rsa", "Public key");
inline constexpr const char* decryptedLabel = RSA_TEXT("rsa", "Şifresi Kırılmış Metin");
inline constexpr const char* primeListButton = RSA_TEXT("rsa", "asal sayıları listele");
inline constexpr const char* primeListTooltip =
    RSA_TEXT("rsa", "1 ile 100 arasındaki asal sayıları listeler");
inline constexpr const char* randomPairButton = RSA_TEXT("rsa", "sistemi kur");
inline constexpr const char* randomPairTooltip = RSA_TEXT("rsa", "Random asal sayılar seçer");
inline constexpr const char* factorsButton = RSA_TEXT("rsa", "(p-1)*(q-1) in çarpanları");
inline constexpr const char* computeKeyButton = RSA_TEXT("rsa", "private anahtarı hesapla");
inline constexpr const char* computeKeyTooltip = RSA_TEXT("rsa", "anahtar çiftlerini hesaplar");
inline constexpr const char* encryptButton = RSA_TEXT("rsa", "şifrele");
inline constexpr const char* decryptButton = RSA_TEXT("rsa", "şifreyi kır");

// What a screen reader announces for each text box.
inline constexpr const char* pBoxName = RSA_TEXT("rsa", "p");
inline constexpr const char* qBoxName = RSA_TEXT("rsa", "q");
inline constexpr const char* primeListBoxName = RSA_TEXT("rsa", "asal sayılar");
inline constexpr const char* factorsBoxName = RSA_TEXT("rsa", "(p-1)*(q-1) in çarpanları");
inline constexpr const char* publicKeyBoxName = RSA_TEXT("rsa", "public key");
inline constexpr const char* privateKeyBoxName = RSA_TEXT("rsa", "private key");
inline constexpr const char* cardGroup1Name = RSA_TEXT("rsa", "kart numarası, 1. grup");
inline constexpr const char* cardGroup2Name = RSA_TEXT("rsa", "kart numarası, 2. grup");
inline constexpr const char* cardGroup3Name = RSA_TEXT("rsa", "kart numarası, 3. grup");
inline constexpr const char* cardGroup4Name = RSA_TEXT("rsa", "kart numarası, 4. grup");
inline constexpr const char* cipherTextBoxName = RSA_TEXT("rsa", "şifrelenmiş metin");
inline constexpr const char* decryptedBoxName = RSA_TEXT("rsa", "Şifresi Kırılmış Metin");

// Menu entries; "&" marks the access key.
inline constexpr const char* fileMenu = RSA_TEXT("rsa", "&file");
inline constexpr const char* saveItem = RSA_TEXT("rsa", "&Save");
inline constexpr const char* exitItem = RSA_TEXT("rsa", "&exit");
inline constexpr const char* helpMenu = RSA_TEXT("rsa", "&help");
inline constexpr const char* aboutItem = RSA_TEXT("rsa", "&RSA hakkında");

// Key set-up messages.
inline constexpr const char* pNotPrime =
    RSA_TEXT("rsa", "p sayısını asal sayı olarak giriniz  asal sayıları görmek "
                    "için asal sayıları listele buttonuna basınız");
inline constexpr const char* qNotPrime =
    RSA_TEXT("rsa", "q sayısını asal sayı olarak giriniz asal sayıları görmek "
                    "için asal sayıları listele buttonuna basınız");
inline constexpr const char* primesMustDiffer =
    RSA_TEXT("rsa", "p ve q farklı asal sayılar olmalıdır");
inline constexpr const char* badExponent = RSA_TEXT("rsa", "hatalı giriş");

// Cipher messages.
inline constexpr const char* computeKeyFirst =
    RSA_TEXT("rsa", "önce private anahtarı hesaplayınız");
inline constexpr const char* blockNotBelowModulus =
    RSA_TEXT("rsa", "p*q her bloktan büyük olmalıdır, daha büyük asal sayılar seçiniz");
inline constexpr const char* encryptFirst = RSA_TEXT("rsa", "önce kart numarasını şifreleyiniz");

// File and Help menu.
inline constexpr const char* saveFilter = RSA_TEXT("rsa", "şifrelenmiş metin(*.ENC)|*.ENC");
// {0} is the system's reason.
inline constexpr const char* saveFailed = RSA_TEXT("rsa", "Dosya kaydedilemedi: {0}");
inline constexpr const char* aboutAddress = RSA_TEXT("rsa", "https://tr.wikipedia.org/wiki/RSA");
inline constexpr const char* aboutFailed = RSA_TEXT("rsa", "Error displaying file");
inline constexpr const char* browserFailed = RSA_TEXT("rsa", "Web tarayıcısı açılamadı");

// Started where no window can be opened.
inline constexpr const char* needsGraphicalSession = RSA_TEXT(
    "rsa", "rsa-demo bir pencere açar ve grafik bir oturum ister, ancak ekrana bağlanamadı; "
           "ekransız çalıştırmak için: xvfb-run -a rsa-demo");

// A run-time failure: {0} is its number, {1} its name ("Hata 6: Overflow").
inline constexpr const char* runtimeError = RSA_TEXT("rsa", "Hata {0}: {1}");
inline constexpr const char* unexpectedError = RSA_TEXT("rsa", "Beklenmeyen hata: {0}");

// The command line; {0} and {1} stand for the values filled in.
inline constexpr const char* programDescription =
    RSA_TEXT("rsa", "RSA açık anahtarlı şifrelemeyi küçük sayılarla gösteren bir öğretim aracı.");
inline constexpr const char* languageOption =
    RSA_TEXT("rsa", "Arayüzün dili: {0} (verilmezse tr).");
inline constexpr const char* languageValue = RSA_TEXT("rsa", "dil");
inline constexpr const char* stepByStepOption =
    RSA_TEXT("rsa", "Her komutu adım adım açıklayan ikinci bir pencere açar.");
inline constexpr const char* exchangeOption = RSA_TEXT(
    "rsa", "Açık anahtarla mesajlaşma penceresini açar: şifreleme, şifre çözme, imzalama ve "
           "imza doğrulama.");
inline constexpr const char* attacksOption = RSA_TEXT(
    "rsa", "Saldırılar penceresini açar: ders kitabı RSA'sının ve kötü üretilmiş anahtarların "
           "kırılışı, adım adım.");
inline constexpr const char* realSizeOption =
    RSA_TEXT("rsa", "Gerçek boyutta RSA penceresini açar: büyük anahtarlar, OAEP dolgusu ve "
                    "çarpanlarına ayırma yarışı.");
// {0} is the loader's reason, in English.
inline constexpr const char* realSizeUnavailable =
    RSA_TEXT("rsa", "Gerçek boyut penceresi açılamadı: {0}");
inline constexpr const char* unknownLanguage =
    RSA_TEXT("rsa", "Bilinmeyen dil '{0}'; diller: {1}.");
inline constexpr const char* unexpectedArgument = RSA_TEXT("rsa", "Beklenmeyen argüman '{0}'.");

} // namespace rsa::texts
