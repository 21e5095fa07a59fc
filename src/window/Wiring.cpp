#include "Wiring.h"

#include "cipher/CipherCommands.h"
#include "keys/KeyCommands.h"
#include "window/MenuCommands.h"

namespace rsa {

const Wire wiring[9] = {
    {"cmdPrime", &cmdPrime_Click},       {"Command1", &Command1_Click},
    {"Command2", &Command2_Click},       {"cmdHesapla", &cmdHesapla_Click},
    {"cmdenc", &cmdenc_Click},           {"cmddec", &cmddec_Click},
    {"mnuItemSave", &mnuItemSave_Click}, {"mnuExitItem", &mnuExitItem_Click},
    {"mnuRsaItem", &mnuRsaItem_Click},
};

} // namespace rsa
