pelorin_fuzz_target(lzh DEPS pelorin_skinfile)
