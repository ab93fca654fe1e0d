#include "app/qt/gui_main.hpp"

int main(int /*argc*/, char** argv) { return strcrypt::app::qt::RunStrcryptGui(argv[0]); }
