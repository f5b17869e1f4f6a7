// A loadable module without plugin_exec: the host must refuse it.
extern "C" int not_the_entry() { return 0; }
