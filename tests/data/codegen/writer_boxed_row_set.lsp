;; InitSection
;; SetSection
    (if row_pick (set_tile "grp_" row_pick))
;; GetSection
    (setq row_pick (get_tile "grp_" ))
;; FunctionSection
