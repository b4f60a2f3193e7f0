;; InitSection
;; SetSection
    (if level (set_tile "s2" (rtos level 2 0)))
;; GetSection
    (setq level (atof (get_tile "s2" )))
;; FunctionSection
