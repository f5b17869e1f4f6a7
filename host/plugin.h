// The entry the host looks up in a plugin after loading it.
#ifndef TESSAROLL_HOST_PLUGIN_H_
#define TESSAROLL_HOST_PLUGIN_H_

struct PluginParam;

extern "C" int plugin_exec(PluginParam* par);

#endif  // TESSAROLL_HOST_PLUGIN_H_
