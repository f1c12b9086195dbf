# The macOS bundle Kestrune.aip, cross-built with Debian's Clang and LLD. Run by the
# macos preset's build (Mac/CMakeLists.txt), whose configuration writes CONFIG: the
# toolchain it found, the flags of every build and the source lists every build shares.
# This file lists no source and repeats no flag; what it adds is the macOS target's own.
#   make -f Mac/build/bundle.mk ROOT=... OUT=... CONFIG=...
ROOT ?= $(CURDIR)
OUT ?= $(ROOT)/build-macos
CONFIG ?= $(OUT)/cmake/kestrune.mk
include $(CONFIG)
NIB ?= $(OUT)/nib/Kestrune_ProgressPanel.nib
SDK := $(KESTRUNE_DARWIN_SDK)
ARCHS := arm64 x86_64
BUNDLE := $(OUT)/Kestrune.aip
# The symbols and debugging information of the shipped, stripped executable.
DSYM := $(OUT)/Kestrune.aip.dSYM

CC := $(KESTRUNE_CC)
CXX := $(KESTRUNE_CXX)
LD := $(KESTRUNE_LD)
LIPO := $(KESTRUNE_LIPO)
NM := $(KESTRUNE_NM)
STRIP := $(KESTRUNE_STRIP)
DSYMUTIL := $(KESTRUNE_DSYMUTIL)
LAUNCHER := $(KESTRUNE_LAUNCHER)

DARWIN_INCLUDE = $(SDK)/lib/libc/include
# The darwin C headers for one architecture, the generic ones after.
darwin_includes = -nostdlibinc -isystem $(DARWIN_INCLUDE)/$(1)-macos.11-none \
  -isystem $(DARWIN_INCLUDE)/any-macos.11-any -isystem $(DARWIN_INCLUDE)/any-macos-any
header_arch = $(if $(filter arm64,$(1)),aarch64,x86_64)

# The macOS target's own flags beside those of every build (CONFIG).
TARGET_FLAGS := -mmacosx-version-min=12.0 -MMD -MP
COMMON_FLAGS = $(TARGET_FLAGS) $(KESTRUNE_OPTIMIZATION) $(KESTRUNE_WARNINGS) $(KESTRUNE_PLUGIN_FLAGS) $(INCLUDES)
CXX_FLAGS := $(KESTRUNE_CXX_STANDARD) $(KESTRUNE_PLUGIN_CXX_FLAGS) -nostdinc++ -isystem $(KESTRUNE_LIBCXX_HEADERS)
OBJC_FLAGS := -fobjc-runtime=macosx-12.0 -fno-objc-arc -fobjc-exceptions

# Every list's objects, for each architecture, with that list's include folders; the
# checks' objects are built and linked into nothing.
LISTS := HOST CORE PLATFORM CHECK
SOURCES := $(KESTRUNE_HOST_SOURCES) $(KESTRUNE_CORE_SOURCES) $(KESTRUNE_PLATFORM_SOURCES)
object_of = $(patsubst %,$(OUT)/obj/$(1)/%.o,$(2))
$(foreach arch,$(ARCHS),$(eval OBJECTS_$(arch) := $(call object_of,$(arch),$(SOURCES))))
CHECKS := $(foreach arch,$(ARCHS),$(call object_of,$(arch),$(KESTRUNE_CHECK_SOURCES)))
$(foreach arch,$(ARCHS),$(foreach list,$(LISTS),\
  $(eval $(call object_of,$(arch),$(KESTRUNE_$(list)_SOURCES)): INCLUDES := $(KESTRUNE_$(list)_INCLUDES))))

STUB_DIR := $(OUT)/stubs
LIBRARIES := libc++ libobjc Foundation AppKit CoreServices
STUBS := $(patsubst %,$(STUB_DIR)/%.tbd,$(LIBRARIES))
LIBSYSTEM := $(SDK)/lib/libc/darwin/libSystem.12.tbd

RESOURCES := $(BUNDLE)/Contents/Resources
BUNDLE_FILES := $(BUNDLE)/Contents/Info.plist $(BUNDLE)/Contents/PkgInfo \
  $(RESOURCES)/pipl/plugin.pipl $(RESOURCES)/Kestrune.rsrc $(RESOURCES)/Kestrune_ProgressPanel.nib

.PHONY: all
all: $(BUNDLE)/Contents/MacOS/Kestrune $(BUNDLE_FILES) $(DSYM)/Contents/Info.plist $(CHECKS)

# Objects are built again when their flags change: they live here and in CONFIG.
define arch_rules
$(OUT)/obj/$(1)/%.cpp.o: $(ROOT)/%.cpp $(ROOT)/Mac/build/bundle.mk $(CONFIG)
	@mkdir -p $$(@D)
	$(LAUNCHER) $(CXX) -target $(1)-apple-macos12 $$(COMMON_FLAGS) $(CXX_FLAGS) $(call darwin_includes,$(call header_arch,$(1))) -c $$< -o $$@
$(OUT)/obj/$(1)/%.mm.o: $(ROOT)/%.mm $(ROOT)/Mac/build/bundle.mk $(CONFIG)
	@mkdir -p $$(@D)
	$(LAUNCHER) $(CXX) -target $(1)-apple-macos12 -x objective-c++ $$(COMMON_FLAGS) $(CXX_FLAGS) $(OBJC_FLAGS) $(call darwin_includes,$(call header_arch,$(1))) -c $$< -o $$@
$(OUT)/obj/$(1)/%.m.o: $(ROOT)/%.m $(ROOT)/Mac/build/bundle.mk $(CONFIG)
	@mkdir -p $$(@D)
	$(LAUNCHER) $(CC) -target $(1)-apple-macos12 -x objective-c -std=gnu11 $$(COMMON_FLAGS) $(OBJC_FLAGS) $(call darwin_includes,$(call header_arch,$(1))) -c $$< -o $$@

# What the objects of this architecture use and define, for the stubs.
$(OUT)/obj/$(1).undefined: $$(OBJECTS_$(1))
	$(NM) -j -u $$^ >$$@
$(OUT)/obj/$(1).defined: $$(OBJECTS_$(1))
	$(NM) -j --defined-only $$^ >$$@

# The linker signs each slice ad hoc (Apple silicon runs no unsigned code). The slice
# keeps its local symbols and the map of its debugging information for dsymutil.
$(OUT)/obj/$(1)/Kestrune: $$(OBJECTS_$(1)) $(STUBS) $(LIBSYSTEM) $(ROOT)/Mac/build/bundle.mk $(CONFIG)
	$(LD) -arch $(1) -platform_version macos 12.0 12.0 -bundle -dead_strip -adhoc_codesign \
	  -exported_symbol _PluginMain -o $$@ $$(OBJECTS_$(1)) $(STUBS) $(LIBSYSTEM)

# What ships: the same slice without local symbols and debugging map. llvm-strip signs
# a linker-signed slice anew, and keeps its UUID, which ties it to the dSYM; nothing
# may touch it afterwards, lipo only places the slices.
# (The signature takes its identifier from the file's name.)
$(OUT)/obj/$(1)/stripped/Kestrune: $(OUT)/obj/$(1)/Kestrune
	@mkdir -p $$(@D)
	$(STRIP) -S -x $$< -o $$@
endef
$(foreach arch,$(ARCHS),$(eval $(call arch_rules,$(arch))))

$(STUBS) &: $(ROOT)/Mac/build/make_stubs.py $(wildcard $(ROOT)/Mac/link/*.symbols) \
    $(foreach arch,$(ARCHS),$(OUT)/obj/$(arch).undefined $(OUT)/obj/$(arch).defined)
	$(KESTRUNE_PYTHON) $(ROOT)/Mac/build/make_stubs.py $(ROOT)/Mac/link $(LIBSYSTEM) $(STUB_DIR) \
	  $(foreach arch,$(ARCHS),$(OUT)/obj/$(arch).undefined $(OUT)/obj/$(arch).defined)

$(BUNDLE)/Contents/MacOS/Kestrune: $(foreach arch,$(ARCHS),$(OUT)/obj/$(arch)/stripped/Kestrune)
	@mkdir -p $(@D)
	$(LIPO) -create $^ -output $@

# The dSYM beside the bundle, from the slices before stripping; a crash report or a
# debugger finds it by the slices' UUIDs. dsymutil joins the slices of a universal
# file with a program named lipo, which Debian does not have: each slice is linked on
# its own and the DWARF files joined here. (Its warnings name the Objective-C
# runtime's private symbols, which the debugging map does not need.)
$(DSYM)/Contents/Info.plist: $(foreach arch,$(ARCHS),$(OUT)/obj/$(arch)/Kestrune)
	rm -rf $(DSYM) $(foreach arch,$(ARCHS),$(OUT)/obj/$(arch)/Kestrune.dSYM)
	$(foreach arch,$(ARCHS),$(DSYMUTIL) -j 1 $(OUT)/obj/$(arch)/Kestrune -o $(OUT)/obj/$(arch)/Kestrune.dSYM \
	  2>&1 | grep -v 'in the debug map' >&2 || true;)
	cp -R $(OUT)/obj/$(firstword $(ARCHS))/Kestrune.dSYM $(DSYM)
	$(LIPO) -create $(foreach arch,$(ARCHS),$(OUT)/obj/$(arch)/Kestrune.dSYM/Contents/Resources/DWARF/Kestrune) \
	  -output $(DSYM)/Contents/Resources/DWARF/Kestrune

# The version is the project's (kestrune.mk).
$(BUNDLE)/Contents/Info.plist: $(ROOT)/Mac/Info.plist $(CONFIG)
	@mkdir -p $(@D)
	sed 's/@KESTRUNE_VERSION@/$(KESTRUNE_VERSION)/g' $< >$@

$(BUNDLE)/Contents/PkgInfo: $(ROOT)/Mac/PkgInfo
	@mkdir -p $(@D)
	cp $< $@

$(RESOURCES)/pipl/plugin.pipl $(RESOURCES)/Kestrune.rsrc &: $(ROOT)/Mac/build/write_pipl.py
	@mkdir -p $(RESOURCES)/pipl
	$(KESTRUNE_PYTHON) $< $(RESOURCES)/pipl/plugin.pipl $(RESOURCES)/Kestrune.rsrc

# GNUstep archives its own font; the bundle's nib names the system font.
$(RESOURCES)/Kestrune_ProgressPanel.nib: $(NIB) $(ROOT)/Mac/build/nib_system_font.py
	@mkdir -p $(@D)
	$(KESTRUNE_PYTHON) $(ROOT)/Mac/build/nib_system_font.py $(NIB) $@

-include $(foreach arch,$(ARCHS),$(OBJECTS_$(arch):.o=.d)) $(CHECKS:.o=.d)
