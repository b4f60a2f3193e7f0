;; InitSection
;; SetSection
    (if age (set_tile "e2" (rtos age 2)))
;; GetSection
    (setq age (atof (get_tile "e2" )))
;; FunctionSection
