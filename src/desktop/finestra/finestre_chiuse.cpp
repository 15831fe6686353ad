#include "desktop/finestra/finestre_chiuse.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include <unordered_set>

namespace didiv {

namespace {

std::unordered_set<Window> proprie;
int ignorate = 0;

int filtra(void* evento, void*) {
    const XEvent& e = *static_cast<const XEvent*>(evento);
    if (e.type == DestroyNotify) {
        if (!proprie.erase(e.xdestroywindow.window)) return 0;
        ++ignorate;
        return 1;
    }
    // Every window of the toolkit's hears from the server at least once (it is mapped).
    if (e.xany.window && fl_find(e.xany.window)) proprie.insert(e.xany.window);
    return 0;
}

}  // namespace

void ignora_fine_finestre_proprie() {
    static const bool fatto = [] {
        Fl::add_system_handler(filtra, nullptr);
        return true;
    }();
    (void)fatto;
}

int fini_ignorate() { return ignorate; }

}  // namespace didiv
