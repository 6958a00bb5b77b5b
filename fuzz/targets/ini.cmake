pelorin_fuzz_target(ini DEPS pelorin_host_core)
