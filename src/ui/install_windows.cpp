#include "ui/install_windows.h"

#include "ui/grafy.h"
#include "ui/hlavni.h"
#include "ui/mapa.h"
#include "ui/motylek.h"
#include "ui/novdat.h"
#include "ui/slusouradnice.h"
#include "ui/vybrat.h"
#include "ui/vyhlazovaci.h"
#include "ui/vysledky.h"
#include "ui/zakres.h"
#include "ui/zakreslit.h"

namespace hk {

void installWindows(HlavniWindow& hlavni) {
    VybratWindow::vytvor(hlavni);
    installZakres(hlavni);
    installNovdat(hlavni);
    installVysledky(hlavni);
    installSlusouradnice(hlavni);
    installZakreslit(hlavni);
    installMotylek(hlavni);
    installGrafy(hlavni);
    installVyhlazovaci(hlavni);
    installMapa(hlavni);
}

} // namespace hk
